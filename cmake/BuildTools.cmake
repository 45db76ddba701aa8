# The build's own tools, which write files from the program's tables (the game table, the games'
# descriptions) at build time, and the rule that runs one.

# qel_build_tool(<target>): the tool runs from build/tools with the build tree's run path.
function(qel_build_tool target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools"
    BUILD_WITH_INSTALL_RPATH OFF)
endfunction()

# qel_write_with_tool(<output> <tool> <comment> [<input>...]): <output> is what the tool writes when
# given its path, then the paths of the files it reads. A tool's leaks do not fail the build under
# AddressSanitizer.
function(qel_write_with_tool output tool comment)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -E env ASAN_OPTIONS=detect_leaks=0 "$<TARGET_FILE:${tool}>" "${output}" ${ARGN}
    DEPENDS ${tool} ${ARGN}
    COMMENT "${comment}"
    VERBATIM)
endfunction()
