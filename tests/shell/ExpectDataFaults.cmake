# Runs a copy of the game GAME in a scratch prefix in the test's own home, whose data folder
# holds an empty manual (unreadable even for root), a pipe in place of a sound and one sound that
# can be read; --check-data must name the first two, and not the third, and end with status 1.
set(data $ENV{HOME}/share/trevallion)
file(COPY ${GAME} DESTINATION $ENV{HOME}/bin)
file(WRITE ${data}/sounds/qmv.wav "RIFF")
file(TOUCH ${data}/Instructions.rtf)
execute_process(COMMAND mkfifo ${data}/sounds/win1.wav COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND $ENV{HOME}/bin/trevallion --check-data RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE err)
foreach(fault "Instructions.rtf: it is empty" "sounds/win1.wav: it is not a plain file")
    string(FIND "${err}" "trevallion: cannot read ${data}/${fault}\n" at)
    if(at EQUAL -1 OR NOT status EQUAL 1 OR err MATCHES "qmv")
        message(FATAL_ERROR "status ${status}, expected \"${fault}\" on standard error: ${err}")
    endif()
endforeach()
