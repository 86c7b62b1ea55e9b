# Fails unless the translation TS, brought up to the texts marked in SOURCES, has no text left
# unfinished: a text marked but never translated, or one whose English changed, counts as
# unfinished. The file itself is left as it is; the work is done on a copy in WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
file(COPY ${TS} DESTINATION ${WORK})
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${SOURCES}
                        -ts ${WORK}/${name}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}")
endif()
execute_process(COMMAND ${LRELEASE} ${WORK}/${name} -qm ${WORK}/check.qm
                OUTPUT_VARIABLE report RESULT_VARIABLE status)
message(STATUS "${report}")
# A text never translated is not counted as unfinished: lrelease reports it as ignored.
if(NOT status EQUAL 0 OR NOT report MATCHES "\\(([0-9]+) finished and 0 unfinished\\)"
   OR report MATCHES "untranslated")
    message(FATAL_ERROR "${name} has texts left to translate: run the update_translations "
                        "target, translate them (Qt Linguist), and build again")
endif()
