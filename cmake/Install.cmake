# What `cmake --install` puts on the system, and the Debian package made of it
# (`cpack -G DEB`, or `make package`). Only the program and its desktop files are
# installed: no libraries, tests, benchmarks or fuzz targets.
include(GNUInstallDirs)

set(NUMBRELLA_APP_ID example.numbrella.Numbrella)
set(numbrella_data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS numbrella RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${numbrella_data}/${NUMBRELLA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${numbrella_data}/${NUMBRELLA_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/${NUMBRELLA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${NUMBRELLA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${numbrella_data}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrella)
set(CPACK_PACKAGE_VENDOR Numbrella)
set(CPACK_PACKAGE_CONTACT "Numbrella developers <developers@numbrella.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.numbrella.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-operand calculator with a workboard and a unit converter")
set(CPACK_PACKAGE_DESCRIPTION
  "Numbrella is a desktop calculator built around a two-operand worksheet: fill the
operands with the keypad, pick one of eight operators and read the answer rounded
to 0 to 40 decimal places. Every calculation is written on the workboard, a
rich-text record that can be saved, reopened and printed. A conversion calculator
converts between units of fourteen quantities.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The package depends on the libraries dpkg-shlibdeps finds in the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
