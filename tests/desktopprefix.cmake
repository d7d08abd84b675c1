# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# A player installs the game into a prefix of their own whose bin folder is not
# on PATH (cmake --install build --prefix ~/.local), here one with a space in
# it: the desktop entry installed there is valid, names the program installed
# beside it, and GLib's launcher, as a menu uses it, starts the game from it
# with a PATH that lacks the prefix (the game prints its captions and quits).
#   cmake -DBINARY_DIR=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share -DAPP_ID=...
#         -DVALIDATE=.../desktop-file-validate -DGIO=.../gio -P desktopprefix.cmake
foreach(tool VALIDATE GIO)
  if(NOT EXISTS "${${tool}}")
    message(FATAL_ERROR "${tool} is not installed: ./build.sh test installs it")
  endif()
endforeach()
if(IS_ABSOLUTE "${BINDIR}" OR IS_ABSOLUTE "${DATADIR}")
  message("the program is configured for a fixed folder (${BINDIR}): skipped")
  return()
endif()
set(home "${PREFIX}/home of a player")
file(REMOVE_RECURSE "${PREFIX}")
file(MAKE_DIRECTORY "${home}/run")
file(CHMOD "${home}/run" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
                        ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix "${home}/.local"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install into ${home}/.local failed: ${result}")
endif()
set(program "${home}/.local/${BINDIR}/numora")
set(desktop "${home}/.local/${DATADIR}/applications/${APP_ID}.desktop")

execute_process(COMMAND ${VALIDATE} ${desktop} RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${desktop}: status ${result}\n${said}")
endif()
file(STRINGS ${desktop} tryexec REGEX "^TryExec=")
if(NOT tryexec STREQUAL "TryExec=${program}")
  message(FATAL_ERROR "the entry tries another program: ${tryexec}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=DBUS_SESSION_BUS_ADDRESS --unset=LANGUAGE --unset=QT_SCALE_FACTOR
                        PATH=/usr/bin:/bin "HOME=${home}" "XDG_RUNTIME_DIR=${home}/run" LC_ALL=C
                        QT_QPA_PLATFORM=offscreen NUMORA_PRINT_CAPTIONS=1 ${GIO} launch ${desktop}
                RESULT_VARIABLE result OUTPUT_VARIABLE printed ERROR_VARIABLE errors TIMEOUT 30)
if(NOT result EQUAL 0 OR NOT printed MATCHES "\nConfirm Number\n")
  message(FATAL_ERROR "gio launch ${desktop}: status ${result}\n${printed}\n${errors}")
endif()
message(STATUS "installed into ${home}/.local; its desktop entry starts the game")
