# Runs a copy of the game GAME in a scratch prefix under the test's own home folder, whose data
# folder is damaged: an empty manual, a folder and a pipe in place of sounds, a link to nothing.
# --check-data must end with status 1 and name each damaged file, and only those, on standard
# error; every other sound is missing. Root can read any plain file, so none of these depends
# on permissions.
set(prefix $ENV{HOME}/prefix)
set(data ${prefix}/share/trevallion)
file(COPY ${GAME} DESTINATION ${prefix}/bin)
file(MAKE_DIRECTORY ${data}/sounds/startup.wav)
file(TOUCH ${data}/Instructions.rtf)
execute_process(COMMAND mkfifo ${data}/sounds/win1.wav COMMAND_ERROR_IS_FATAL ANY)
file(CREATE_LINK ${data}/nowhere ${data}/sounds/lose1.wav SYMBOLIC)
file(WRITE ${data}/sounds/qmv.wav "RIFF")

execute_process(COMMAND ${prefix}/bin/trevallion --check-data RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 1)
    message(FATAL_ERROR "expected exit status 1, got ${status} (stderr: ${err})")
endif()
foreach(fault "Instructions.rtf: it is empty" "sounds/startup.wav: it is not a plain file"
              "sounds/win1.wav: it is not a plain file" "sounds/lose1.wav: it is missing"
              "sounds/ambient1.wav: it is missing")
    string(FIND "${err}" "trevallion: cannot read ${data}/${fault}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "expected \"${fault}\" on standard error, got: ${err}")
    endif()
endforeach()
string(FIND "${err}" "qmv.wav" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "a sound that can be read is reported: ${err}")
endif()
