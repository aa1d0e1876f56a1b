# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translation catalogues up to date with the texts in the sources:
#   cmake -DLUPDATE=<lupdate> -DSOURCES=<src folder> -DCATALOGUES=<a.ts;b.ts> -P Lupdate.cmake
# A catalogue that does not exist yet is made, its language taken from its name
# (numbrella_<language>.ts). The texts are found in tr() and QT_TRANSLATE_NOOP, and in
# the core's NUMBRELLA_TRANSLATE. English is the source language: its catalogue keeps
# only plural forms. Texts gone from the sources are dropped, and no line numbers are
# kept, so that a catalogue changes only when its texts do.
foreach(variable LUPDATE SOURCES CATALOGUES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "Lupdate.cmake needs -D${variable}=...")
  endif()
endforeach()

set(options -extensions cpp,h -locations none -no-obsolete
  -tr-function-alias QT_TRANSLATE_NOOP+=NUMBRELLA_TRANSLATE)
foreach(catalogue IN LISTS CATALOGUES)
  set(source_language_only)
  if(catalogue MATCHES "_en\\.ts$")
    set(source_language_only -pluralonly)
  endif()
  execute_process(
    COMMAND ${LUPDATE} ${options} ${source_language_only} ${SOURCES} -ts ${catalogue}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${catalogue}: ${result}")
  endif()
endforeach()
