# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Every tracked source file (C++, CMake, shell, Python, the .in templates, the
# desktop entry, the metainfo) names its copyright holder and licence in SPDX
# lines near its top: GPL-3.0-or-later, the metainfo CC0-1.0. The translations
# are rewritten by lupdate, which keeps no comment: theirs stand in a file of
# the same name with ".license" added, as REUSE has it. Without git (an
# unpacked tarball) the files under SOURCE_DIR are taken instead, less build
# trees and a distribution's packaging.
#   cmake -DSOURCE_DIR=... [-DGIT=.../git] -P spdxheaders.cmake
include(${CMAKE_CURRENT_LIST_DIR}/sourcefiles.cmake)
numora_source_files(files ${SOURCE_DIR} "${GIT}")

set(checked 0)
set(lacking)
foreach(path IN LISTS files)
  set(labelled ${path})
  if(path MATCHES "\\.ts$")
    set(labelled ${path}.license)
  elseif(NOT path MATCHES "(\\.(cpp|h|cmake|sh|py|in|desktop|xml)|(^|/)CMakeLists\\.txt)$")
    file(READ ${SOURCE_DIR}/${path} start LIMIT 2)
    if(NOT start MATCHES "^#!") # a script without a suffix
      continue()
    endif()
  endif()
  set(licence GPL-3.0-or-later)
  if(path MATCHES "\\.metainfo\\.xml$")
    set(licence CC0-1.0)
  endif()
  if(NOT EXISTS ${SOURCE_DIR}/${labelled})
    list(APPEND lacking "${labelled} (${licence})")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${labelled} top LIMIT_COUNT 6)
  if(NOT top MATCHES "SPDX-FileCopyrightText: [0-9]+ The Numora team"
     OR NOT top MATCHES "SPDX-License-Identifier[:] ${licence}( |;|$)") # [:] keeps REUSE from reading it
    list(APPEND lacking "${path} (${licence})")
  endif()
  math(EXPR checked "${checked} + 1")
endforeach()
if(lacking)
  list(JOIN lacking "\n  " lacking)
  message(FATAL_ERROR "source files without their SPDX lines:\n  ${lacking}")
endif()
if(checked EQUAL 0)
  message(FATAL_ERROR "no source files found under ${SOURCE_DIR}")
endif()
message(STATUS "${checked} source files carry their SPDX lines")
