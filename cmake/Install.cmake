# The installed tree (cmake --install <build> --prefix <prefix>, DESTDIR honoured):
#   <prefix>/lib/varnel/     the stage as it is: the program, its libraries, Plugin/, the pages,
#                            the pictures, xml/system.xml and the seed settings database sys.db
#   <prefix>/bin/varnel      a relative link to lib/varnel/qel (the program finds its folder
#                            through /proc/self/exe, its libraries through $ORIGIN)
#   <prefix>/share/          the desktop entry, the icons of the hicolor theme, the AppStream file
# The tree is read-only and shared by every user once installed; nothing below it is written at
# run time (docs/installation.md).
if(NOT TARGET qel)
  return()
endif()

set(QEL_INSTALL_APP_DIR "lib/varnel")
set(QEL_APP_ID "com.dorn_tech.Varnel")
set(QEL_INSTALL_SETUP_DIR "${CMAKE_BINARY_DIR}/install-setup")

# The installed settings file prefers the user's own settings database: the seed below the
# program's folder is read-only, and each user's copy of it is made at the first start. The
# stage's file keeps "base", so a run from the stage keeps its database in the stage.
set(stage_settings "${PROJECT_SOURCE_DIR}/app/resources/xml/system.xml")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${stage_settings}")
file(READ "${stage_settings}" settings_text)
string(REPLACE "<dataPath>base</dataPath>" "<dataPath>user</dataPath>" installed_settings "${settings_text}")
if(installed_settings STREQUAL settings_text)
  message(FATAL_ERROR "${stage_settings} has no <dataPath>base</dataPath> for the installed settings file")
endif()
file(CONFIGURE OUTPUT "${QEL_INSTALL_SETUP_DIR}/xml/system.xml" CONTENT "${installed_settings}" @ONLY)

set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(DIRECTORY "${QEL_STAGE_DIR}/" DESTINATION "${QEL_INSTALL_APP_DIR}" USE_SOURCE_PERMISSIONS
  # What a run from the stage writes, and the two files installed in their own way below.
  PATTERN "*-journal" EXCLUDE
  PATTERN "*-wal" EXCLUDE
  PATTERN "*-shm" EXCLUDE
  PATTERN "*.partial" EXCLUDE
  PATTERN "sys.db" EXCLUDE
  PATTERN "system.xml" EXCLUDE)
# The seed is read by every user (the stage's is its owner's only: it holds a login once used), and
# written by none: without its owner's write permission, even root's run works on a copy of it
# (a package must keep the mode 0444).
install(FILES "${QEL_STAGE_DIR}/sys.db" DESTINATION "${QEL_INSTALL_APP_DIR}"
  PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
install(FILES "${QEL_INSTALL_SETUP_DIR}/xml/system.xml" DESTINATION "${QEL_INSTALL_APP_DIR}/xml"
  PERMISSIONS ${readable})
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/varnel\")
  file(CREATE_LINK \"../${QEL_INSTALL_APP_DIR}/qel\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/varnel\" SYMBOLIC)
")

# The desktop entry, the AppStream description and the logo as the theme's application icon.
set(desktop_source "${PROJECT_SOURCE_DIR}/app/desktop")
install(FILES "${desktop_source}/${QEL_APP_ID}.desktop" DESTINATION share/applications PERMISSIONS ${readable})
install(FILES "${desktop_source}/${QEL_APP_ID}.metainfo.xml" DESTINATION share/metainfo PERMISSIONS ${readable})
set(logo "${PROJECT_SOURCE_DIR}/app/ui/stage/images/logo/logo.svg")
install(FILES "${logo}" DESTINATION share/icons/hicolor/scalable/apps RENAME "${QEL_APP_ID}.svg"
  PERMISSIONS ${readable})
set(icon_files "")
foreach(size 16 22 24 32 48 64 128 256)
  set(icon "${QEL_INSTALL_SETUP_DIR}/icons/${size}x${size}/${QEL_APP_ID}.png")
  add_custom_command(
    OUTPUT "${icon}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${QEL_INSTALL_SETUP_DIR}/icons/${size}x${size}"
    COMMAND "${QEL_RSVG_CONVERT}" --format=png --width=${size} --height=${size} --output "${icon}" "${logo}"
    DEPENDS "${logo}"
    COMMENT "Rendering the ${size}x${size} application icon"
    VERBATIM)
  list(APPEND icon_files "${icon}")
  install(FILES "${icon}" DESTINATION "share/icons/hicolor/${size}x${size}/apps" PERMISSIONS ${readable})
endforeach()
add_custom_target(qel_app_icons ALL DEPENDS ${icon_files})
