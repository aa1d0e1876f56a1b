# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on the system, and the Debian package made of it
# (`cpack -G DEB`, or `make package`). Only the program, its printing module, its
# desktop files and the documents a Debian system expects beside every program are
# installed: no libraries, tests, benchmarks or fuzz targets.
include(GNUInstallDirs)

set(NUMBRELLA_APP_ID example.numbrella.Numbrella)
set(numbrella_data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS numbrella RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS numbrella_print LIBRARY DESTINATION ${NUMBRELLA_PRINT_MODULE_DIR})
install(FILES ${numbrella_data}/${NUMBRELLA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${numbrella_data}/${NUMBRELLA_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/${NUMBRELLA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${NUMBRELLA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${numbrella_data}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page and the changelog are installed compressed, as man and Debian's
# tools expect them; -n keeps the file's name and time out of the archive, so that
# every build compresses them to the same bytes.
find_program(NUMBRELLA_GZIP gzip REQUIRED)
set(numbrella_compressed)
# Beside the English manual, a short page in each language the program speaks, whose
# NAME line apropos finds in that language: docs/man/<language>/numbrella.1.
file(GLOB numbrella_manual_languages RELATIVE ${PROJECT_SOURCE_DIR}/docs/man CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/docs/man/*)
set(numbrella_manuals "docs/numbrella.1:numbrella.1.gz")
foreach(language IN LISTS numbrella_manual_languages)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/man/${language})
  list(APPEND numbrella_manuals "docs/man/${language}/numbrella.1:man/${language}/numbrella.1.gz")
endforeach()
foreach(pair IN LISTS numbrella_manuals ITEMS "ChangeLog:changelog.gz")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${target}
    COMMAND ${NUMBRELLA_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${PROJECT_BINARY_DIR}/${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND numbrella_compressed ${PROJECT_BINARY_DIR}/${target})
endforeach()
add_custom_target(numbrella_documents ALL DEPENDS ${numbrella_compressed})
install(FILES ${PROJECT_BINARY_DIR}/numbrella.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(language IN LISTS numbrella_manual_languages)
  install(FILES ${PROJECT_BINARY_DIR}/man/${language}/numbrella.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man1)
endforeach()
install(FILES ${numbrella_data}/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrella)
set(CPACK_PACKAGE_VENDOR Numbrella)
set(CPACK_PACKAGE_CONTACT "Numbrella developers <developers@numbrella.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.numbrella.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-operand calculator with a workboard and a unit converter")
# The lines stay within 80 columns on a terminal, with the blank dpkg puts before each.
set(CPACK_PACKAGE_DESCRIPTION
  "Numbrella is a desktop calculator built around a two-operand worksheet:
fill the operands with the keypad, pick one of eight operators and read the
answer rounded to 0 to 40 decimal places. Every calculation is written on
the workboard, a rich-text record that can be saved, reopened and printed.
A conversion calculator converts between units of fourteen quantities.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The package depends on the libraries dpkg-shlibdeps finds in the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt picks its Wayland platform plugin only when it is installed; without it a Wayland
# desktop runs the program through XWayland. Qt's own translations give the standard
# dialogs the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
