# Runs the tool with the arguments ARGS (a CMake list) and checks that it refuses them: exit
# status 2, nothing on standard output, and, when ERROR is given, exactly that one line on
# standard error.
execute_process(COMMAND "${TOOL}" ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "expected exit status 2, got ${status} (stderr: ${err})")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "expected nothing on standard output, got: ${out}")
endif()
if(DEFINED ERROR AND NOT err STREQUAL "${ERROR}\n")
    message(FATAL_ERROR "unexpected error line: ${err}")
endif()
