# Desktop integration files and the Debian package. Included from the top-level CMakeLists.txt.

set(ZEITFANG_APP_ID "de.orvikwerk.zeitfang")
set(ZEITFANG_MAINTAINER "Orvikwerk <zeitfang@orvikwerk.invalid>"
    CACHE STRING "Maintainer named in the Debian package")
set(packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

configure_file(${packaging_dir}/${ZEITFANG_APP_ID}.metainfo.xml.in
  ${packaging_out}/${ZEITFANG_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging_dir}/zeitfang.1.in ${packaging_out}/zeitfang.1 @ONLY)
configure_file(${packaging_dir}/changelog.in ${packaging_out}/changelog @ONLY)

# Debian ships manual pages and changelogs compressed; -n keeps the archive free of a time stamp.
foreach(file zeitfang.1 changelog)
  add_custom_command(OUTPUT ${packaging_out}/${file}.gz
    COMMAND gzip -9n -c ${packaging_out}/${file} > ${packaging_out}/${file}.gz
    DEPENDS ${packaging_out}/${file} VERBATIM)
endforeach()
add_custom_target(zeitfang_compressed_docs ALL
  DEPENDS ${packaging_out}/zeitfang.1.gz ${packaging_out}/changelog.gz)

install(FILES ${packaging_dir}/${ZEITFANG_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_out}/${ZEITFANG_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_out}/zeitfang.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The licence in Debian's machine-readable form, and the changelog of a native package.
install(FILES ${packaging_dir}/copyright ${packaging_out}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The help page F1 opens: in the data folder once installed, beside the program in the build.
install(FILES ${CMAKE_SOURCE_DIR}/docs/help/zeitfang.html DESTINATION ${CMAKE_INSTALL_DATADIR}/zeitfang)
configure_file(${CMAKE_SOURCE_DIR}/docs/help/zeitfang.html ${CMAKE_BINARY_DIR}/zeitfang.html COPYONLY)
install(FILES ${packaging_dir}/zeitfang.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48)
  install(FILES ${packaging_dir}/icons/${size}x${size}/zeitfang.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The GNOME Shell extension in both formats, each declared for the range of Shell versions it
# has run on (the newest is kNewestCheckedShell in platform/wayland/gnome_extension_notice.h). The
# package's postinst sets up the one the installed Shell reads in the system-wide extension
# folder, with that Shell's version added.
set(gnome_ext ${packaging_dir}/gnome-shell)
file(READ ${gnome_ext}/windows.js gnome_windows_js)
foreach(variant legacy esm)
  file(READ ${gnome_ext}/${variant}_head.js head)
  file(READ ${gnome_ext}/${variant}_tail.js tail)
  file(WRITE ${packaging_out}/gnome-shell/${variant}/extension.js "${head}\n${gnome_windows_js}${tail}")
  if(variant STREQUAL legacy)
    set(SHELL_VERSIONS "\"43\", \"44\"")
  else()
    set(SHELL_VERSIONS "\"45\", \"46\", \"47\", \"48\", \"49\", \"50\"")
  endif()
  configure_file(${gnome_ext}/metadata.json.in ${packaging_out}/gnome-shell/${variant}/metadata.json @ONLY)
  install(FILES ${packaging_out}/gnome-shell/${variant}/extension.js
    ${packaging_out}/gnome-shell/${variant}/metadata.json
    DESTINATION ${CMAKE_INSTALL_DATADIR}/zeitfang/gnome-shell/${variant})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeitfang)
set(CPACK_PACKAGE_VENDOR Orvikwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Stoppuhr für eine eBay-Auktion")
set(CPACK_PACKAGE_CONTACT ${ZEITFANG_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zeitfang übernimmt die Auktion, deren Seite im Webbrowser offen ist, aus dem
Titel des Browserfensters und zählt die Restzeit bis zum Ende herunter, mit
Warnton und einem Fenster, das in der letzten Minute um Aufmerksamkeit bittet.
Die Systemuhr lässt sich nach dem Auktionsserver stellen, auch ohne Fenster
mit „zeitfang -time“. Läuft unter X11 und unter Wayland (KDE Plasma, GNOME
mit der mitgelieferten Shell-Erweiterung, wlroots-Compositoren wie sway).")
# The libraries come from dpkg-shlibdeps (the X11 platform plugin ships with libqt6gui6); what
# is used without being linked is named here: Liberation Sans 2 standing in for Arial
# (fonts-liberation2 on Debian 12, fonts-liberation from Debian 13 on), Nimbus Sans Narrow for
# MS Sans Serif, and xdg-open for the item link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-liberation (>= 1:2) | fonts-liberation2, fonts-urw-base35, xdg-utils")
# A postrm of our own also keeps CPack from adding one that calls ldconfig, which the private
# modules in /usr/lib/zeitfang do not need. The trigger redoes the extension on Shell upgrades.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${gnome_ext}/postinst ${gnome_ext}/postrm
  ${gnome_ext}/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
