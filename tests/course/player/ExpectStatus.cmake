# Plays SCRIPT and compares the exit status and output with what the script
# announces in its first lines:
#   # status: 1
#   # output: <regular expression the output must match>
file(STRINGS "${SCRIPT}" header REGEX "^# (status|output): ")
set(status "")
set(patterns "")
foreach(line IN LISTS header)
  if(line MATCHES "^# status: (.*)$")
    set(status "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^# output: (.*)$")
    list(APPEND patterns "${CMAKE_MATCH_1}")
  endif()
endforeach()
execute_process(COMMAND "${PROGRAM}" --play "${SCRIPT}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT "${rc}" STREQUAL "${status}")
  message(FATAL_ERROR "exit status ${rc}, expected ${status}")
endif()
foreach(pattern IN LISTS patterns)
  if(NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "output does not match: ${pattern}")
  endif()
endforeach()
