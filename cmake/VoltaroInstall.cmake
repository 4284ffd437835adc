# Where an installed Voltaro puts its files, beside the three programs (installed by their own
# folders): the desktop entry, icons, AppStream metainfo, man pages, bash completions and the
# help page. The help page is copied beside the programs in the build tree as well, so that a
# built but not installed program finds it the same way.
include(GNUInstallDirs)

set(VOLTARO_APP_ID org.voltaro.voltaro)
set(VOLTARO_DATA ${PROJECT_SOURCE_DIR}/data)
# Relative to the prefix; the program looks for "DMM-Help.htm" here when installed.
set(VOLTARO_HELP_DIR ${CMAKE_INSTALL_DATADIR}/voltaro/help)

install(FILES ${VOLTARO_DATA}/${VOLTARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VOLTARO_DATA}/${VOLTARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VOLTARO_DATA}/icons/voltaro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${VOLTARO_DATA}/icons/voltaro-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME voltaro.png)
endforeach()

foreach(program voltaro voltaro-cli voltaro-meter)
  configure_file(${VOLTARO_DATA}/man/${program}.1.in ${PROJECT_BINARY_DIR}/man/${program}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${VOLTARO_DATA}/completions/voltaro-cli ${VOLTARO_DATA}/completions/voltaro-meter
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

configure_file(${VOLTARO_DATA}/help/DMM-Help.htm ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/DMM-Help.htm COPYONLY)
install(FILES ${VOLTARO_DATA}/help/DMM-Help.htm DESTINATION ${VOLTARO_HELP_DIR})

# `cmake --build build --target uninstall` removes every file the last install wrote.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
  COMMENT "Removing the files listed in install_manifest.txt")
