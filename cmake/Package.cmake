# SPDX-License-Identifier: MIT
# The Debian package, made by CPack from the same install rules as `cmake --install` (scripts/package):
# one build serves the tests and the package, and nothing lists the installed files twice. dpkg-shlibdeps
# finds the dependencies from the libraries the program links; the program is stripped and its debug
# symbols go into a -dbgsym package of their own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunvale)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lunvale Screensaver developers <lunvale@lunvale.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "animated lakeside screen saver with clock, weather and news")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A full-screen scene of a lake with a jetty: the water ripples, three gulls\n"
       "glide behind the trees, and a panel along the bottom shows the time, the\n"
       "weather and a scrolling news ticker, with a quiet lakeside sound. It runs on\n"
       "its own, inside XScreenSaver or as an xsecurelock saver module, and has its\n"
       "own settings dialog (lunvale /c).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the fonts the gadgets draw with (found by fontconfig at run time) and
# the certificates that https:// feeds are checked against.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, ca-certificates")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver | xsecurelock")
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Debian's own layout on top of the install: compressed manual page and changelog.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianLayout.cmake)
set(CPACK_LUNVALE_CHANGELOG ${CMAKE_SOURCE_DIR}/dist/changelog)
include(CPack)
