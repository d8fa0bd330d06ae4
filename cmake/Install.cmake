# SPDX-License-Identifier: MIT
# Installing the saver as desktops and screen-saver hosts look for it: the program in bin/, the same
# program where XScreenSaver looks for its hacks (libexec/xscreensaver), its description for
# XScreenSaver's settings dialog, a manual page, a menu entry for the settings dialog and the
# licence with the data credits.
include(GNUInstallDirs)

install(TARGETS lunvale RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "
  set(hack_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver\")
  file(RELATIVE_PATH to_bin \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver\"
       \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/lunvale\")
  file(MAKE_DIRECTORY \"\${hack_dir}\")
  message(STATUS \"Installing: \${hack_dir}/lunvale -> \${to_bin}\")
  file(CREATE_LINK \"\${to_bin}\" \"\${hack_dir}/lunvale\" SYMBOLIC)
")
install(FILES ${CMAKE_SOURCE_DIR}/dist/lunvale.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${CMAKE_SOURCE_DIR}/dist/lunvale.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/dist/lunvale-settings.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The program's icon, named by the menu entry, in the desktop's icon theme at each size it is drawn in.
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/dist/icons/lunvale-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME lunvale.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
