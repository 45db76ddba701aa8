# The page libraries in the stage's js/lib/, where the pages load them from baseConfig.baseDir:
#   js/lib/jquery-1.11.0.min.js           npm jquery@1.11.0 (node_modules/, scripts/install-page-libs.sh)
#   js/lib/json2.js                       Debian's libjs-json
#   js/lib/jquery-easyui-1.5.21/          npm jquery-easyui@1.5.21: js/, css/, images/, locale/
# They are copied at build time from what the project's set-up installed; a tree without them
# still builds (the pages then run without the libraries) and says how to get them.
set(QEL_NODE_MODULES "${PROJECT_SOURCE_DIR}/node_modules")
set(QEL_JSON2_SOURCE "/usr/share/javascript/json/json2.js")
set(QEL_EASYUI_DIR_NAME "jquery-easyui-1.5.21")
set(QEL_JS_LIB_DIR "${QEL_STAGE_DIR}/js/lib")

set(jquery_source "${QEL_NODE_MODULES}/jquery/dist/jquery.min.js")
set(easyui_source "${QEL_NODE_MODULES}/jquery-easyui")
set(QEL_PAGE_LIBS_FOUND OFF)
if(EXISTS "${jquery_source}" AND EXISTS "${easyui_source}/js/jquery.easyui.min.js"
   AND EXISTS "${QEL_JSON2_SOURCE}")
  set(QEL_PAGE_LIBS_FOUND ON)
endif()

if(QEL_PAGE_LIBS_FOUND)
  # The lock file's install stamp stands for every file below node_modules/.
  set(lock_stamp "${QEL_NODE_MODULES}/.qel-lock.sha256")
  set(lib_stamp "${CMAKE_CURRENT_BINARY_DIR}/page_libs.stamp")
  set(easyui_dest "${QEL_JS_LIB_DIR}/${QEL_EASYUI_DIR_NAME}")
  add_custom_command(
    OUTPUT "${lib_stamp}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${easyui_dest}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${easyui_dest}"
    COMMAND "${CMAKE_COMMAND}" -E copy "${jquery_source}" "${QEL_JS_LIB_DIR}/jquery-1.11.0.min.js"
    COMMAND "${CMAKE_COMMAND}" -E copy "${QEL_JSON2_SOURCE}" "${QEL_JS_LIB_DIR}/json2.js"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${easyui_source}/js" "${easyui_dest}/js"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${easyui_source}/css" "${easyui_dest}/css"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${easyui_source}/images" "${easyui_dest}/images"
    COMMAND "${CMAKE_COMMAND}" -E copy_directory "${easyui_source}/locale" "${easyui_dest}/locale"
    COMMAND "${CMAKE_COMMAND}" -E touch "${lib_stamp}"
    DEPENDS "${jquery_source}" "${QEL_JSON2_SOURCE}" "${lock_stamp}"
    COMMENT "Staging the page libraries into js/lib/"
    VERBATIM)
  add_custom_target(qel_page_libs ALL DEPENDS "${lib_stamp}")
else()
  message(WARNING "Page libraries not installed (node_modules/ or Debian's libjs-json missing): "
                  "run scripts/install-deps.sh, then configure again. The stage gets no js/lib/.")
endif()
