# Every test runs with a home folder of its own, fresh for each run (tests/with-own-home): none
# reads the user's files or leaves any of its own in the user's home, such as Qt's file dialog
# history. Programs that tests start by their target names get the launcher as their emulator,
# which add_test and GoogleTest's discovery both put in front of them; a test whose command is
# something else starts with the launcher itself: a CMake script runs as ${TREVALLION_TEST_CMAKE}.
# The test every_test_has_own_home holds that none is left out.
set(TREVALLION_WITH_OWN_HOME ${CMAKE_CURRENT_LIST_DIR}/with-own-home)
set(TREVALLION_TEST_CMAKE ${TREVALLION_WITH_OWN_HOME} ${CMAKE_COMMAND})

function(trevallion_own_home)
    set_target_properties(${ARGN} PROPERTIES CROSSCOMPILING_EMULATOR ${TREVALLION_WITH_OWN_HOME})
endfunction()
