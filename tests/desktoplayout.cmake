# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program under DESTDIR, as a package build does, and checks that
# the program, its manual page, the desktop entry, the metainfo and the icons all
# meet under APP_ID where a desktop looks for them, and that they agree with each
# other and with VERSION; each of LANGUAGES has its translation at TRANSLATIONS
# (from the program's folder, where the program looks) and its words in the
# desktop entry and metainfo (its description and release notes too). BINDIR,
# MANDIR and DATADIR are the install folders as configured (GNUInstallDirs'
# full paths: /usr/games, /usr/local/share ...).
#   cmake -DBINARY_DIR=... -DDESTDIR=... -DBINDIR=... -DMANDIR=... -DDATADIR=... -DAPP_ID=...
#         -DSIZES="16;32" -DVERSION=2.0.0.14 -DLANGUAGES="de;fr"
#         -DTRANSLATIONS=../share/numora/translations -P desktoplayout.cmake
file(REMOVE_RECURSE ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BINARY_DIR}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()
set(bin ${DESTDIR}${BINDIR})
set(data ${DESTDIR}${DATADIR})
set(desktop ${data}/applications/${APP_ID}.desktop)
set(metainfo ${data}/metainfo/${APP_ID}.metainfo.xml)
set(manpage ${DESTDIR}${MANDIR}/man6/numora.6)

set(expected ${bin}/numora ${manpage} ${desktop} ${metainfo} ${data}/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS SIZES)
  list(APPEND expected ${data}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(language IN LISTS LANGUAGES)
  list(APPEND expected ${bin}/${TRANSLATIONS}/numora_${language}.qm)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS ${desktop} icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the desktop entry names another icon: ${icon}")
endif()
file(STRINGS ${desktop} exec REGEX "^(Try)?Exec=")
if(NOT exec STREQUAL "TryExec=${BINDIR}/numora;Exec=${BINDIR}/numora")
  message(FATAL_ERROR "the desktop entry starts another program: ${exec}")
endif()

# The program prints its name and version. On X11 Qt gives its windows the class
# (WM_CLASS) "program file name", "application name", and the version text
# starts with the application name; a desktop that groups windows by class
# finds the launcher through StartupWMClass.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${bin}/numora --version
                RESULT_VARIABLE result OUTPUT_VARIABLE printed TIMEOUT 20)
if(NOT result EQUAL 0 OR NOT printed MATCHES "^([^ ]+) ([^\n]+)\n$")
  message(FATAL_ERROR "numora --version: status ${result}, printed '${printed}'")
endif()
set(appname ${CMAKE_MATCH_1})
if(NOT CMAKE_MATCH_2 STREQUAL VERSION)
  message(FATAL_ERROR "numora --version prints ${CMAKE_MATCH_2}, the project is ${VERSION}")
endif()
file(STRINGS ${desktop} wmclass REGEX "^StartupWMClass=")
foreach(part IN ITEMS "${appname}" numora)
  if(NOT wmclass STREQUAL "StartupWMClass=${part}")
    message(FATAL_ERROR "the window class ${part} is not the desktop entry's ${wmclass}")
  endif()
endforeach()

file(READ ${metainfo} metainfo)
foreach(needle "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
        "<binary>numora</binary>" "<content_rating type=\"oars-1.1\"" "<developer id=\"org.numora\">\n    <name>The Numora team</name>"
        "<developer_name>The Numora team</developer_name>")
  string(FIND "${metainfo}" "${needle}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the metainfo lacks ${needle}")
  endif()
endforeach()
# This version is the newest release listed, and the manual page bears its date.
string(REPLACE "." "\\." version "${VERSION}")
if(NOT metainfo MATCHES "<releases>[ \n]*<release version=\"${version}\" date=\"([0-9-]+)\"")
  message(FATAL_ERROR "the metainfo's first release is not ${VERSION} with a date")
endif()
set(date ${CMAKE_MATCH_1})
file(STRINGS ${manpage} title REGEX "^\\.TH ")
if(NOT title MATCHES "^\\.TH NUMORA 6 ${date} \"Numora ${version}\"")
  message(FATAL_ERROR "the manual page's title line does not give ${date} and ${VERSION}: ${title}")
endif()

foreach(language IN LISTS LANGUAGES)
  foreach(key GenericName Comment Keywords)
    file(STRINGS ${desktop} line ENCODING UTF-8
         REGEX "^${key}\\[${language}\\]=.")
    if(NOT line)
      message(FATAL_ERROR "the desktop entry has no ${key} in ${language}")
    endif()
  endforeach()
  string(FIND "${metainfo}" "<summary xml:lang=\"${language}\">" at)
  if(at LESS 0)
    message(FATAL_ERROR "the metainfo has no summary in ${language}")
  endif()
endforeach()

# Software centres show the description and the release notes in the player's
# language: each paragraph and list item is there in every language.
string(FIND "${metainfo}" "<releases>" at)
string(SUBSTRING "${metainfo}" 0 ${at} about)
string(SUBSTRING "${metainfo}" ${at} -1 releases)
foreach(part about releases)
  foreach(element p li)
    string(REGEX MATCHALL "<${element}>" english "${${part}}")
    list(LENGTH english count)
    foreach(language IN LISTS LANGUAGES)
      string(REGEX MATCHALL "<${element} xml:lang=\"${language}\">" translated "${${part}}")
      list(LENGTH translated translatedcount)
      if(NOT translatedcount EQUAL count)
        message(FATAL_ERROR "the metainfo's ${part} has ${count} <${element}> in English, ${translatedcount} in ${language}")
      endif()
    endforeach()
  endforeach()
endforeach()

# Every PNG is as big as the folder it sits in says.
foreach(size IN LISTS SIZES)
  file(READ ${data}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()
message(STATUS "program, manual page and desktop files installed under ${DESTDIR}")
