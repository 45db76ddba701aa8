# Joins script files into one, in the given order, each introduced by a comment naming it. Run as:
# cmake -DROOT=<dir> -DOUTPUT=<file> -DFILES=<a|b|...> -P concat_files.cmake
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/write_if_changed.cmake")

set(content "// Generated from app/ui/pages/js/main by concat_files.cmake; do not edit.\n")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(name IN LISTS FILES)
  file(READ "${ROOT}/${name}" text)
  string(APPEND content "\n// ---- ${name}\n${text}")
endforeach()

write_if_changed("${OUTPUT}" "${content}")
