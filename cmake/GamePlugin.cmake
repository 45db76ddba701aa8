# qel_add_game_plugin(<GameKey> [OUTPUT <file name>] SOURCES <files...> [LIBS <targets...>])
# A game plug-in is a MODULE library staged as Plugin/Rules-<name>.so.
function(qel_add_game_plugin key)
  cmake_parse_arguments(P "" "OUTPUT" "SOURCES;LIBS" ${ARGN})
  if(NOT P_OUTPUT)
    set(P_OUTPUT "Rules-${key}")
  endif()
  set(target "plugin_${key}")
  add_library(${target} MODULE ${P_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME "${P_OUTPUT}"
    LIBRARY_OUTPUT_DIRECTORY "${QEL_PLUGIN_DIR}")
  target_link_libraries(${target} PRIVATE ${P_LIBS} Calculation Basekit qel_warnings qel_hot_loops)
  qel_no_undefined(${target})
endfunction()
