# write_if_changed(<file> <content>): writes the file only when its content differs, since
# rewriting an unchanged generated file would rebuild everything that depends on it.
function(write_if_changed file content)
  if(EXISTS "${file}")
    file(READ "${file}" previous)
    if(previous STREQUAL content)
      return()
    endif()
  endif()
  file(WRITE "${file}" "${content}")
endfunction()
