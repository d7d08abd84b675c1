# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Windows version record that CMake fills in from project(VERSION):
# numeric versions, the strings shown in the file's properties, US English.
#   cmake -DRECORD=.../numora.rc -DMAJOR=2 -DMINOR=0 -DPATCH=0 -DTWEAK=14 -P versionrecord.cmake
if(NOT EXISTS ${RECORD})
  message(FATAL_ERROR "no version record at ${RECORD}")
endif()
file(READ ${RECORD} record)

# The strings use two digits for the minor and four for the build: 2.00.0014.
math(EXPR minor2 "100 + ${MINOR}")
string(SUBSTRING ${minor2} 1 2 minor2)
math(EXPR tweak4 "10000 + ${TWEAK}")
string(SUBSTRING ${tweak4} 1 4 tweak4)
set(text "${MAJOR}.${minor2}.${tweak4}")

set(patterns
    "FILEVERSION[ \t]+${MAJOR},${MINOR},${PATCH},${TWEAK}"
    "PRODUCTVERSION[ \t]+${MAJOR},${MINOR},${PATCH},${TWEAK}"
    "BLOCK \"040904B0\""
    "VALUE \"ProductName\", \"Numora ${MAJOR}.${MINOR}\""
    "VALUE \"FileVersion\", \"${text}\""
    "VALUE \"ProductVersion\", \"${text}\""
    "VALUE \"FileDescription\", \"Unnecessary\""
    "VALUE \"Translation\", 0x409, 1200"
    "ICON \"[^\"]*numora.ico\"")
foreach(pattern IN LISTS patterns)
  if(NOT record MATCHES "${pattern}")
    message(FATAL_ERROR "the version record lacks: ${pattern}")
  endif()
endforeach()
if(record MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "the version record has an unfilled placeholder: ${CMAKE_MATCH_0}")
endif()
string(REGEX MATCH "ICON \"([^\"]*)\"" icon "${record}")
if(NOT EXISTS "${CMAKE_MATCH_1}")
  message(FATAL_ERROR "the icon named by the version record is missing: ${CMAKE_MATCH_1}")
endif()
message(STATUS "version record ${text} checked")
