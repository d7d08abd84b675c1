# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the game's program with command lines a user might type: --help and
# --version answer and end with status 0, the version without any display;
# what the program does not know is refused on stderr with status 2.
#   cmake -DPROGRAM=.../numora -DVERSION=2.0.0.14 -P commandline.cmake

string(REPLACE "." "\\." version "${VERSION}")
# name | environment, separated by commas | arguments | status | stream | pattern
set(cases
    "version|QT_QPA_PLATFORM=offscreen|--version|0|stdout|^numora ${version}\n$"
    "short version|QT_QPA_PLATFORM=offscreen|-v|0|stdout|^numora ${version}\n$"
    "version without a display|--unset=DISPLAY,--unset=WAYLAND_DISPLAY,QT_QPA_PLATFORM=xcb|--version|0|stdout|^numora ${version}\n$"
    "help|QT_QPA_PLATFORM=offscreen|--help|0|stdout|Usage: .*numora.*--help.*--version"
    "unknown option|QT_QPA_PLATFORM=offscreen|--bogus|2|stderr|numora: Unknown option 'bogus'"
    "argument|QT_QPA_PLATFORM=offscreen|extra|2|stderr|numora: Unexpected argument 'extra'")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 environment)
  list(GET fields 2 arguments)
  list(GET fields 3 status)
  list(GET fields 4 stream)
  list(GET fields 5 pattern)
  string(REPLACE "," ";" environment "${environment}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${PROGRAM} ${arguments}
                  RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 20)
  if(NOT result STREQUAL status)
    message(FATAL_ERROR "${name}: exit status ${result}, not ${status}\nstdout: ${stdout}\nstderr: ${stderr}")
  endif()
  if(NOT "${${stream}}" MATCHES "${pattern}")
    message(FATAL_ERROR "${name}: ${stream} does not match '${pattern}':\n${${stream}}")
  endif()
endforeach()
message(STATUS "command line answers checked")
