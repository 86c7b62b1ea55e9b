# Runs the tool on the saved game GAME, which the game refuses, and checks for exit status 2,
# nothing on standard output and the one line "trevallion-ai: GAME: MESSAGE" on standard error.
execute_process(COMMAND "${TOOL}" --game "${GAME}" --depth 2 --mode 0
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "expected exit status 2, got ${status} (stderr: ${err})")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "expected nothing on standard output, got: ${out}")
endif()
if(NOT err STREQUAL "trevallion-ai: ${GAME}: ${MESSAGE}\n")
    message(FATAL_ERROR "unexpected error line: ${err}")
endif()
