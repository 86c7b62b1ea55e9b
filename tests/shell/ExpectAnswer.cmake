# Runs the game GAME with the arguments ARGS (a CMake list) and checks its answer: exit status
# STATUS, and standard output and standard error each matching a regular expression, OUTPUT and
# ERROR (an empty one asks for nothing at all).
execute_process(COMMAND "${GAME}" ${ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "expected exit status ${STATUS}, got ${status} (stderr: ${err})")
endif()

function(expect stream text pattern)
    if(pattern STREQUAL "" AND NOT text STREQUAL "")
        message(FATAL_ERROR "expected nothing on ${stream}, got: ${text}")
    elseif(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "expected ${stream} matching ${pattern}, got: ${text}")
    endif()
endfunction()
expect("standard output" "${out}" "${OUTPUT}")
expect("standard error" "${err}" "${ERROR}")
