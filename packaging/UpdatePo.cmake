# The English texts of the desktop entry and the AppStream entry (DESKTOP, METAINFO), as gettext's
# template, and each language of PO_FOLDER merged with them. With UPDATE, the template and the
# .po files in PO_FOLDER are rewritten, for the translators. Otherwise the work is done on copies
# in WORK, and any text a language leaves untranslated, or marks as fuzzy, is an error.
cmake_minimum_required(VERSION 3.25)
if(UPDATE)
    set(WORK ${PO_FOLDER})
else()
    file(REMOVE_RECURSE ${WORK})
    file(MAKE_DIRECTORY ${WORK})
endif()
set(pot ${WORK}/trevallion.pot)
execute_process(
    COMMAND xgettext --language=Desktop -k -kName -kGenericName -kComment -kKeywords
            --from-code=UTF-8 --package-name=trevallion --no-location ${DESKTOP}
            -o ${WORK}/desktop.pot
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND xgettext --its=/usr/share/gettext/its/metainfo.its --from-code=UTF-8
            --package-name=trevallion --no-location ${METAINFO} -o ${WORK}/metainfo.pot
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND msgcat --use-first ${WORK}/desktop.pot ${WORK}/metainfo.pot -o ${pot}
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${WORK}/desktop.pot ${WORK}/metainfo.pot)

file(GLOB po_files ${PO_FOLDER}/*.po)
set(behind)
foreach(po ${po_files})
    get_filename_component(name ${po} NAME)
    set(merged ${WORK}/${name})
    execute_process(COMMAND msgmerge --quiet --no-location --previous ${po} ${pot} -o ${merged}
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND msgfmt --check --statistics ${merged} -o /dev/null
                    ERROR_VARIABLE statistics COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "${name}: ${statistics}")
    if(statistics MATCHES "untranslated|fuzzy")
        list(APPEND behind ${name})
    endif()
endforeach()
if(behind AND NOT UPDATE)
    message(FATAL_ERROR "${behind}: texts left to translate; run the update_po target and "
                        "translate them")
endif()
