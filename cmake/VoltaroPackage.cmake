# The Debian package: `cpack -G DEB` in the build folder (scripts/package does it) makes
# voltaro_<version>_<arch>.deb from what `cmake --install` puts under /usr. The libraries it
# needs are found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME voltaro)
set(CPACK_PACKAGE_VENDOR "Voltaro")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop companion of a serial-line digital multimeter")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Voltaro developers")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not seen by shlibdeps: the browser opener for the help page, and the
# faces the panel and the printouts are drawn with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2, fonts-dejavu-core")
# The summary above is the first line; CPack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Voltaro shows the readings of a handheld digital multimeter that sends them
over an RS-232 serial line on a large simulated display panel, records them
into recording files, draws a trend graph, keeps MAX, MIN, AVG and a REL
reference, shows decibels, raises alarms at limits, starts and stops on a
schedule, and prints graphs and reports.

The package also holds voltaro-cli, the command-line companion, and
voltaro-meter, a simulated meter on a pseudo-terminal.")

include(CPack)
