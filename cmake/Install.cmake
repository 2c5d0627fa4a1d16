# The installed program, under any prefix:
#   lib/fiscova/                the program folder: the executable with everything it reads beside it
#   bin/fiscova                 the launcher
#   share/fiscova/disc/         the content disc
#   etc/xdg/ZEM/Fiscova.reg     the registry file naming the disc (/etc/xdg for the /usr prefix)
#   share/applications/, share/metainfo/, share/icons/hicolor/   the menu entry, its description, the icon
# and the same as a Debian package through CPack.

set(desktop_sources ${CMAKE_SOURCE_DIR}/resources/desktop)

install(TARGETS fiscova RUNTIME DESTINATION lib/fiscova)
# The rest of the program folder, without the work of anyone who ran the build.
install(DIRECTORY ${FISCOVA_PROGRAM_DIR}/ DESTINATION lib/fiscova USE_SOURCE_PERMISSIONS
        PATTERN fiscova EXCLUDE
        PATTERN findata.zem EXCLUDE
        PATTERN plan.txt EXCLUDE
        PATTERN "*.saving" EXCLUDE)
install(PROGRAMS ${desktop_sources}/fiscova.sh DESTINATION bin RENAME fiscova)
install(DIRECTORY ${FISCOVA_DISC_DIR}/ DESTINATION share/fiscova/disc)

install(FILES ${desktop_sources}/${FISCOVA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 48 128 256)
  install(FILES ${FISCOVA_ICON_DIR}/${FISCOVA_APP_ID}-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${FISCOVA_APP_ID}.png)
endforeach()
install(FILES ${FISCOVA_ICON_DIR}/${FISCOVA_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)

# The registry file and the menu entry name the places of this install, so
# they are written when the prefix is known: at install time.
install(CODE "set(FISCOVA_DESKTOP_ENTRY_IN \"${desktop_sources}/${FISCOVA_APP_ID}.desktop.in\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallPlaces.cmake)

# The Debian package: installs to /usr with the registry file in /etc.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fiscova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Fiscova)
set(CPACK_PACKAGE_CONTACT "Fiscova <support@fiscova.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multimedia course in personal finance")
set(CPACK_PACKAGE_DESCRIPTION
    "Fiscova teaches one person at a time how to take charge of their money: narrated\n"
    "lessons and short videos, worksheets for net worth, budget, credit and goals,\n"
    "scored attitude surveys and printed one-page reports. Everything the user\n"
    "enters is kept between runs.")
# The install scripts write the places of the install into the registry file
# and the menu entry, so CPack installs with DESTDIR under the package's own
# prefix, whatever prefix the build was configured with.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program finds at run time rather than links: the media plugins
# that play its sounds and videos, and the faces its text is drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
# The registry file is configuration: kept when the package is removed.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "/etc/xdg/ZEM/Fiscova.reg\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
include(CPack)
