# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the game's program with command lines a user might type, with no display
# and no platform chosen, as from a text console: --help, --help-all and
# --version answer and end with status 0; what neither the game nor Qt takes is
# refused on stderr with status 2. None of them may need a window system (Qt
# would abort, status 134, for want of a display). Qt's own options are taken,
# before windows and by the program that starts with them.
#   cmake -DPROGRAM=.../numora -DVERSION=2.0.0.14 -P commandline.cmake

string(REPLACE "." "\\." version "${VERSION}")
set(console "--unset=DISPLAY,--unset=WAYLAND_DISPLAY,--unset=QT_QPA_PLATFORM,NUMORA_PRINT_CAPTIONS=1")
# Every option QApplication takes, each switch and each with its value: one
# taken for the other would leave a word over, or swallow the next option
# (Qt takes its debugger's port only after "=").
set(qtoptions "-qwindowgeometry,300x200+5+5,-reverse,-session,s1,-name,n,-display,:9,-qwindowtitle,t,-qwindowicon,i"
    "-platformtheme,none,-plugin,p,-platformpluginpath,/none,-style,Windows,-stylesheet,none.qss,-widgetcount"
    "-geometry,300x200,-title,t,-icon,i,-visual,v,-nograb,-dograb,-sync,-qmljsdebugger=port:1")
string(REPLACE ";" "," qtoptions "${qtoptions}")
# name | arguments, separated by commas | status | stream | pattern | what it must not print
set(cases
    "version|--version|0|stdout|^numora ${version}\n$"
    "short version|-v|0|stdout|^numora ${version}\n$"
    "version after all of Qt's options|${qtoptions},--version|0|stdout|^numora ${version}\n$"
    "Qt's options taken at start|-platform,offscreen,${qtoptions}|0|stdout|^Numora\n&Game\n"
    "help|--help|0|stdout|Usage: .*numora.*--help.*--help-all.*--version"
    "help leaves out Qt's options|-h|0|stdout|--version|platform"
    "help with Qt's options|--help-all|0|stdout|--help.*--version.*--platform <platformName.*--reverse"
    "unknown option|--bogus|2|stderr|^numora: Unknown option 'bogus'.*--help"
    "unknown option after version|--version,--bogus|2|stderr|^numora: Unknown option 'bogus'"
    "unknown option after Qt's|-platform,offscreen,--bogus|2|stderr|^numora: Unknown option 'bogus'"
    "Qt's option without its value|-platform|2|stderr|^numora: Missing value after '-platform'"
    "argument|extra|2|stderr|^numora: Unexpected argument 'extra'")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 arguments)
  list(GET fields 2 status)
  list(GET fields 3 stream)
  list(GET fields 4 pattern)
  set(absent)
  list(LENGTH fields count)
  if(count GREATER 5)
    list(GET fields 5 absent)
  endif()
  string(REPLACE "," ";" arguments "${arguments}")
  string(REPLACE "," ";" environment "${console}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${PROGRAM} ${arguments}
                  RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr TIMEOUT 20)
  if(NOT result STREQUAL status)
    message(FATAL_ERROR "${name}: exit status ${result}, not ${status}\nstdout: ${stdout}\nstderr: ${stderr}")
  endif()
  if(NOT "${${stream}}" MATCHES "${pattern}")
    message(FATAL_ERROR "${name}: ${stream} does not match '${pattern}':\n${${stream}}")
  endif()
  if(absent AND "${${stream}}" MATCHES "${absent}")
    message(FATAL_ERROR "${name}: ${stream} has '${absent}':\n${${stream}}")
  endif()
endforeach()
message(STATUS "command line answers checked")
