# The saved game GAME holds the start of level LEVEL with SIDE to move: analysing it must give
# the line that --level and --side give, but for the time taken.
set(search --depth 4 --mode 0)
execute_process(COMMAND "${TOOL}" --game "${GAME}" ${search}
                RESULT_VARIABLE status OUTPUT_VARIABLE fromGame ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "--game failed with status ${status}: ${err}")
endif()
execute_process(COMMAND "${TOOL}" --level ${LEVEL} --side ${SIDE} ${search}
                OUTPUT_VARIABLE fromLevel)
string(REGEX REPLACE " ms [0-9]+\n$" "" fromGame "${fromGame}")
string(REGEX REPLACE " ms [0-9]+\n$" "" fromLevel "${fromLevel}")
if(NOT fromGame STREQUAL fromLevel OR fromGame STREQUAL "")
    message(FATAL_ERROR "--game gave '${fromGame}', --level gave '${fromLevel}'")
endif()
