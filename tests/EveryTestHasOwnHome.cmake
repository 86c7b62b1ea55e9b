# Fails unless every test of the build tree BUILD starts through the launcher LAUNCHER.
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${BUILD} --show-only=json-v1
                OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(JSON last LENGTH "${listing}" tests)
math(EXPR last "${last} - 1")
foreach(i RANGE ${last})
    string(JSON first ERROR_VARIABLE none GET "${listing}" tests ${i} command 0)
    if(NOT first STREQUAL LAUNCHER)
        string(JSON name GET "${listing}" tests ${i} name)
        message(SEND_ERROR "${name} runs in the user's home folder")
    endif()
endforeach()
