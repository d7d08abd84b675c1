# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws every picture again into OUT and compares each, byte for byte, with the
# committed file under RESOURCES. Every file of the picture folders must come
# out of a program: one that nothing draws any more fails too. RUNNER (a list)
# runs the programs, such as an emulator of another processor.
#   cmake -DDRAWART=... -DDRAWOUTCOMES=... -DRESOURCES=... -DOUT=... [-DRUNNER=...] -P compare.cmake
foreach(var DRAWART DRAWOUTCOMES RESOURCES OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "compare.cmake: ${var} not given")
  endif()
endforeach()

if(RUNNER)
  list(GET RUNNER 0 runner)
  if(NOT EXISTS "${runner}")
    message("${runner} is not installed: skipped")
    return()
  endif()
endif()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/outcomes)
foreach(step "${DRAWART};${OUT}" "${DRAWOUTCOMES};${OUT}/outcomes")
  execute_process(COMMAND ${RUNNER} ${step} RESULT_VARIABLE failed OUTPUT_QUIET)
  if(failed)
    message(FATAL_ERROR "drawing failed: ${step} (${failed})")
  endif()
endforeach()

set(folders icons pictures outcomes)
set(drawn)
set(committed)
foreach(folder IN LISTS folders)
  file(GLOB found RELATIVE ${OUT} ${OUT}/${folder}/*)
  list(APPEND drawn ${found})
  file(GLOB found RELATIVE ${RESOURCES} ${RESOURCES}/${folder}/*)
  list(APPEND committed ${found})
endforeach()
list(SORT drawn)
list(SORT committed)
if(NOT drawn STREQUAL committed)
  set(missing ${committed})
  list(REMOVE_ITEM missing ${drawn})
  set(extra ${drawn})
  list(REMOVE_ITEM extra ${committed})
  message(FATAL_ERROR "committed but not drawn: ${missing}\ndrawn but not committed: ${extra}")
endif()

set(differ)
foreach(file IN LISTS drawn)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${file} ${RESOURCES}/${file}
                  RESULT_VARIABLE different)
  if(different)
    list(APPEND differ ${file})
  endif()
endforeach()
list(LENGTH drawn count)
if(differ)
  message(FATAL_ERROR "drawn differently from the committed file: ${differ}")
endif()
message(STATUS "${count} pictures drawn again, each the same as committed")
