# Fails unless PROGRAM's --help and its manual page PAGE name the same long options.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help ended with status ${status}")
endif()
file(READ ${PAGE} page)
string(REPLACE "\\-" "-" page "${page}") # roff writes a hyphen-minus as \-

foreach(text help page)
    string(REGEX MATCHALL "--[a-z][a-z-]*" ${text}_options "${${text}}")
    list(REMOVE_DUPLICATES ${text}_options)
    list(SORT ${text}_options)
endforeach()
if(NOT help_options STREQUAL page_options)
    message(FATAL_ERROR "${PROGRAM} --help names ${help_options}\n"
                        "${PAGE} names ${page_options}")
endif()
