# qel_add_game_plugin(<GameKey> SOURCES <files...> [LIBS <targets...>])
# A game plug-in is a MODULE library staged as Plugin/<file>.so, <file> the plug-in file of the
# game's row in the program's game table (calculation/src/game_table.cpp), which the plug-in host
# loads it by. A game folder without a row of the table fails the configuration.
set(QEL_GAME_TABLE_SOURCE "${PROJECT_SOURCE_DIR}/calculation/src/game_table.cpp")
set_property(DIRECTORY "${CMAKE_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QEL_GAME_TABLE_SOURCE}")

# Read once; every game folder's call looks its row up in it.
file(READ "${QEL_GAME_TABLE_SOURCE}" QEL_GAME_TABLE_TEXT)

# The plug-in file of the game's row: the text after its key, as in {L"Fc4Of10", "Rules-Ttc4Of10", ...}.
function(qel_game_plugin_file key out)
  string(REGEX MATCH "{L\"${key}\",[ \t\r\n]*\"([^\"]+)\"" row "${QEL_GAME_TABLE_TEXT}")
  if(NOT row)
    message(FATAL_ERROR "The game folder ${key} has no row in the game table (${QEL_GAME_TABLE_SOURCE}): "
                        "add the game's row there (docs/adding-a-game.md).")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(qel_add_game_plugin key)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
  qel_game_plugin_file(${key} file)
  set(target "plugin_${key}")
  add_library(${target} MODULE ${P_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME "${file}"
    LIBRARY_OUTPUT_DIRECTORY "${QEL_PLUGIN_DIR}")
  target_link_libraries(${target} PRIVATE ${P_LIBS} Calculation Basekit qel_warnings qel_hot_loops)
  qel_no_undefined(${target})
endfunction()
