# SPDX-FileCopyrightText: 2026 The Quorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program as a desktop application and packages it for Debian.
include(GNUInstallDirs)

install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET quorvane-xls)
  install(TARGETS quorvane-xls RUNTIME DESTINATION ${QUORVANE_HELPER_DIR})
endif()
if(TARGET quorvane-xlsx)
  install(TARGETS quorvane-xlsx RUNTIME DESTINATION ${QUORVANE_HELPER_DIR})
endif()
# The print preview and the chart, where the program looks for them.
if(QUORVANE_VIEWS_MODULE)
  install(TARGETS quorvane_views LIBRARY DESTINATION ${QUORVANE_VIEWS_DIR})
endif()
# On X11 a window is matched to its entry by the class of WM_CLASS, which Qt
# takes from the application name, the project's name.
set(QUORVANE_DESKTOP_ENTRY ${CMAKE_CURRENT_BINARY_DIR}/${QUORVANE_APP_ID}.desktop)
configure_file(data/${QUORVANE_APP_ID}.desktop.in ${QUORVANE_DESKTOP_ENTRY} @ONLY)
install(FILES ${QUORVANE_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${QUORVANE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The 32 x 32 icon is drawn by the program's own icon code.
qt_add_executable(quorvane_icon tools/icon.cpp)
target_link_libraries(quorvane_icon PRIVATE quorvane_toolkit quorvane_warnings)
set(QUORVANE_ICON_PNG ${CMAKE_CURRENT_BINARY_DIR}/${QUORVANE_APP_ID}.png)
add_custom_command(
  OUTPUT ${QUORVANE_ICON_PNG}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quorvane_icon>
          ${QUORVANE_ICON_PNG}
  DEPENDS quorvane_icon
  COMMENT "Drawing the 32 x 32 icon")
add_custom_target(quorvane_icon_png ALL DEPENDS ${QUORVANE_ICON_PNG})
install(FILES ${QUORVANE_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

configure_file(data/${QUORVANE_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${QUORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${QUORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page, compressed as the changelog is below.
set(QUORVANE_VIEWS_FULL_DIR ${CMAKE_INSTALL_FULL_LIBDIR}/quorvane)
configure_file(data/quorvane.1.in ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1
     INPUT ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1.in)
set(QUORVANE_MANUAL_GZ ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1.gz)
add_custom_command(
  OUTPUT ${QUORVANE_MANUAL_GZ}
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1 > ${QUORVANE_MANUAL_GZ}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/quorvane.1)
add_custom_target(quorvane_manual ALL DEPENDS ${QUORVANE_MANUAL_GZ})
install(FILES ${QUORVANE_MANUAL_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's documents: the machine-readable copyright and the changelog,
# compressed without a name or a time in it, so it comes out the same each time.
set(QUORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
install(FILES data/copyright DESTINATION ${QUORVANE_DOC_DIR})
configure_file(data/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
set(QUORVANE_CHANGELOG_GZ ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${QUORVANE_CHANGELOG_GZ}
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${QUORVANE_CHANGELOG_GZ}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_target(quorvane_changelog ALL DEPENDS ${QUORVANE_CHANGELOG_GZ})
install(FILES ${QUORVANE_CHANGELOG_GZ} DESTINATION ${QUORVANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Repayment reports of Chinese home-purchase loans")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvane computes the month-by-month repayment report of a Chinese personal
home-purchase loan as banks granted them in 2005 to 2008, exact to the fen,
under the equal-payment or the equal-principal method. Its rate-change
section replays a loan across benchmark-rate adjustments and prepayments,
and a chart shows how each payment splits into principal and interest.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The Quorvane developers <quorvane@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt and C++ runtime libraries come from what the program links; Qt's platform
# plugins and a Chinese font are named, since nothing links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-arphic-uming | fonts-noto-cjk")
include(CPack)
