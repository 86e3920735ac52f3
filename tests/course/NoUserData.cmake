# Plays SCRIPT with PROGRAM the way a developer would, without VELOTRA_DATA,
# with HOME and XDG_DATA_HOME in a folder of its own, and fails when the run
# leaves anything in XDG_DATA_HOME: course scripts never touch the pupil's
# own Lernstand.
file(REMOVE_RECURSE "${HOME}")
file(MAKE_DIRECTORY "${HOME}/share")
set(ENV{HOME} "${HOME}")
set(ENV{XDG_DATA_HOME} "${HOME}/share")
unset(ENV{VELOTRA_DATA})
execute_process(COMMAND "${PROGRAM}" --play "${SCRIPT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the script failed (${status}):\n${out}\n${err}")
endif()
file(GLOB_RECURSE left LIST_DIRECTORIES true "${HOME}/share/*")
if(left)
  message(FATAL_ERROR "the script run left files in XDG_DATA_HOME: ${left}")
endif()
