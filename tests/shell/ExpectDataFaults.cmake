# Runs a copy of the game GAME in a scratch prefix in the test's own home, whose data folder
# holds an empty manual (unreadable even for root), a pipe in place of a sound, a translation the
# build did not make and one sound that can be read; --check-data must name the first three, and
# not the fourth, and end with status 1.
set(data $ENV{HOME}/share/trevallion)
file(COPY ${GAME} DESTINATION $ENV{HOME}/bin)
file(WRITE ${data}/sounds/qmv.wav "RIFF")
file(WRITE ${data}/translations/trevallion_de.qm "not what the build made")
file(TOUCH ${data}/Instructions.rtf)
execute_process(COMMAND mkfifo ${data}/sounds/win1.wav COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND $ENV{HOME}/bin/trevallion --check-data RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE err)
foreach(fault "Instructions.rtf: it is empty" "sounds/win1.wav: it is not a plain file"
              "translations/trevallion_de.qm: it is damaged")
    string(FIND "${err}" "trevallion: cannot read ${data}/${fault}\n" at)
    if(at EQUAL -1 OR NOT status EQUAL 1 OR err MATCHES "qmv")
        message(FATAL_ERROR "status ${status}, expected \"${fault}\" on standard error: ${err}")
    endif()
endforeach()
