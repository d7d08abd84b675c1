# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# The project's own files under SOURCE_DIR, relative to it: what git tracks in a
# checkout; in an unpacked release tarball every file except the build trees
# (any folder holding a CMakeCache.txt, whatever its name) and what a
# distribution adds beside the sources (debian/, quilt's .pc/).
#   include(sourcefiles.cmake) then numora_source_files(VARIABLE SOURCE_DIR [GIT])
function(numora_source_files variable source_dir git)
  set(files)
  if(git AND EXISTS ${source_dir}/.git)
    execute_process(COMMAND ${git} -C ${source_dir} ls-files RESULT_VARIABLE result OUTPUT_VARIABLE files)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "git ls-files failed in ${source_dir}")
    endif()
    string(REGEX REPLACE "\n$" "" files "${files}")
    string(REPLACE "\n" ";" files "${files}")
  else()
    file(GLOB_RECURSE files RELATIVE ${source_dir} ${source_dir}/*)
    list(FILTER files EXCLUDE REGEX "^(\\.git|debian|\\.pc)/")
    set(trees ${files})
    list(FILTER trees INCLUDE REGEX "(^|/)CMakeCache\\.txt$")
    foreach(cache IN LISTS trees)
      get_filename_component(tree ${cache} DIRECTORY)
      if(tree STREQUAL "")
        message(FATAL_ERROR "${source_dir} is a build tree itself")
      endif()
      string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" tree "${tree}")
      list(FILTER files EXCLUDE REGEX "^${tree}/")
    endforeach()
  endif()
  set(kept)
  foreach(path IN LISTS files)
    if(EXISTS ${source_dir}/${path} AND NOT IS_DIRECTORY ${source_dir}/${path})
      list(APPEND kept ${path})
    endif()
  endforeach()
  set(${variable} ${kept} PARENT_SCOPE)
endfunction()
