# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Formats the manual page with every groff warning on and fails on any of them,
# and checks that it describes every option the program's --help lists, the
# environment variables the program reads and the files it reads.
#   cmake -DGROFF=.../groff -DPAGE=.../numora.6 -DPROGRAM=.../numora -P manualpage.cmake
execute_process(COMMAND ${GROFF} -ww -z -man -Tutf8 ${PAGE}
                RESULT_VARIABLE result ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE}: status ${result}\n${warnings}")
endif()

file(READ ${PAGE} page)
if(NOT page MATCHES "\n\\.TH NUMORA 6 ")
  message(FATAL_ERROR "${PAGE} is not a manual page of section 6")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --help
                RESULT_VARIABLE result OUTPUT_VARIABLE help TIMEOUT 20)
string(REGEX MATCHALL "(^|[ ,])--?[a-z][a-z-]*" options "${help}")
if(NOT result EQUAL 0 OR NOT options)
  message(FATAL_ERROR "no options read from ${PROGRAM} --help (status ${result})")
endif()
foreach(option IN LISTS options)
  string(REGEX REPLACE "^[ ,]" "" option "${option}")
  string(REPLACE "-" "\\-" escaped "${option}")
  string(FIND "${page}" "${escaped}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the manual page does not describe ${option}")
  endif()
endforeach()
# The variables the program reads and where it finds its translations.
if(NOT page MATCHES "\n\\.SH ENVIRONMENT\n(.*)\n\\.SH FILES\n(.*)\n\\.SH ")
  message(FATAL_ERROR "the manual page has no ENVIRONMENT section before FILES")
endif()
set(environment "${CMAKE_MATCH_1}")
set(files "${CMAKE_MATCH_2}")
foreach(variable LANGUAGE LC_ALL LC_MESSAGES LANG QT_SCALE_FACTOR XDG_DATA_HOME)
  if(NOT environment MATCHES "(^|[^A-Z_])${variable}([^A-Z_]|$)")
    message(FATAL_ERROR "the manual page's ENVIRONMENT does not name ${variable}")
  endif()
endforeach()
if(NOT files MATCHES "/share/numora/translations/")
  message(FATAL_ERROR "the manual page's FILES does not name the translations")
endif()
if(NOT files MATCHES "XDG_DATA_HOME/numora/record\\.sqlite" OR NOT files MATCHES "~/\\.local/share/numora/record\\.sqlite")
  message(FATAL_ERROR "the manual page's FILES does not name the record of matches")
endif()
message(STATUS "manual page checked; options ${options}")
