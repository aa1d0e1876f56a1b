# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues of the program's texts: translations/numbrella_<language>.ts in the
# repository, compiled at build time and built into the application library as
# :/i18n/numbrella_<language>.qm, so that the program needs no install path to find
# them. `make translations` (the target update_translations) refreshes the catalogues
# from the sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

file(GLOB NUMBRELLA_CATALOGUES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/numbrella_*.ts)
set_source_files_properties(${NUMBRELLA_CATALOGUES} PROPERTIES
  OUTPUT_LOCATION ${PROJECT_BINARY_DIR}/translations)
qt6_add_lrelease(numbrella_app NO_GLOBAL_TARGET
  TS_FILES ${NUMBRELLA_CATALOGUES}
  QM_FILES_OUTPUT_VARIABLE numbrella_qm_files
  OPTIONS -silent)
# On a static library Qt makes the resource an object library that every program and
# test linking numbrella_app links in whole, so no Q_INIT_RESOURCE is needed.
qt6_add_resources(numbrella_app numbrella_translations
  PREFIX /i18n
  BASE ${PROJECT_BINARY_DIR}/translations
  FILES ${numbrella_qm_files})

# The one way lupdate is run, for the catalogues and for the test that checks them.
set(NUMBRELLA_LUPDATE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/Lupdate.cmake)
add_custom_target(update_translations
  COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DSOURCES=${NUMBRELLA_SRC}
          "-DCATALOGUES=${NUMBRELLA_CATALOGUES}" -P ${NUMBRELLA_LUPDATE_SCRIPT}
  VERBATIM)
