# Writes a C++ source holding the given files as byte arrays, so the program carries its own pages
# without a resource compiler. Run as: cmake -DROOT=<dir> -DOUTPUT=<file.cpp> -DFILES=<a|b|...> -P
# A file is named by its path below ROOT, or as <name>=<path> when it is made elsewhere (a
# generated script).
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/write_if_changed.cmake")

set(body "")
set(table "")
set(index 0)
string(REPLACE "|" ";" FILES "${FILES}")
foreach(entry IN LISTS FILES)
  if(entry MATCHES "^([^=]+)=(.+)$")
    set(name "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
  else()
    set(name "${entry}")
    set(path "${ROOT}/${entry}")
  endif()
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # A trailing zero keeps empty files legal C++ and is not counted in the size.
  string(APPEND body "const unsigned char kFile${index}[] = {${bytes}0x00};\n")
  string(APPEND table "    {\"${name}\", kFile${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(content "// Generated from app/ui/pages by embed_files.cmake; do not edit.
#include \"embedded_table.h\"

namespace qel::resources::detail {
namespace {
${body}} // namespace

const EmbeddedFile kEmbeddedFiles[] = {
${table}};
const std::size_t kEmbeddedFileCount = ${index};

} // namespace qel::resources::detail
")

write_if_changed("${OUTPUT}" "${content}")
