# Runs the tool on a board with 48 codes and one out of range, and checks the exit status is 2.
set(board "${CMAKE_CURRENT_BINARY_DIR}/malformed-board.txt")
string(REPEAT "0 " 47 cells)
file(WRITE "${board}" "${cells} 2 28\n")
execute_process(COMMAND "${TOOL}" --board "${board}" --side 1 --depth 2 --mode 0
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "expected exit status 2, got ${status} (stderr: ${err})")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "expected nothing on standard output, got: ${out}")
endif()
