# Builds the settings database from its SQL text: cmake -DSQLITE3=<cli> -DOUTPUT=<file>
# -DSQL_FILES=<a;b;...> -P build_database.cmake. The file is made beside its final place and
# renamed over it only when every statement succeeded, so a failed build never leaves half a
# database behind.
foreach(var SQLITE3 OUTPUT SQL_FILES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "build_database.cmake: ${var} is not set")
  endif()
endforeach()

set(partial "${OUTPUT}.partial")
file(REMOVE "${partial}")
set(commands)
foreach(sql IN LISTS SQL_FILES)
  list(APPEND commands ".read '${sql}'")
endforeach()
execute_process(
  COMMAND "${SQLITE3}" -bail "${partial}" ${commands}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  file(REMOVE "${partial}")
  message(FATAL_ERROR "building ${OUTPUT} failed (${result}):\n${output}${errors}")
endif()
# It will hold the stored login: readable and writable by its owner only, and so are the copies
# that keep their permissions (cp -a).
file(CHMOD "${partial}" PERMISSIONS OWNER_READ OWNER_WRITE)
file(RENAME "${partial}" "${OUTPUT}")
