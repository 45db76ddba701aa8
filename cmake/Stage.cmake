# The staged install tree: the program, the libraries and everything the program reads
# at run time below its base directory. The program and the tests run from it.
set(QEL_STAGE_DIR "${CMAKE_BINARY_DIR}/stage")
set(QEL_PLUGIN_DIR "${QEL_STAGE_DIR}/Plugin")
file(MAKE_DIRECTORY "${QEL_STAGE_DIR}" "${QEL_PLUGIN_DIR}")

set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${QEL_STAGE_DIR}")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${QEL_STAGE_DIR}")

# Staged binaries find their libraries beside them (plug-ins one level up).
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)
set(CMAKE_BUILD_WITH_INSTALL_RPATH ON)
set(CMAKE_INSTALL_RPATH "$ORIGIN;$ORIGIN/..")
