# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file of the project states its copyright and licence in a way machines
# read: `reuse lint` passes. It runs on a copy of the project's own files (those
# git tracks; in an unpacked tarball all but build trees and packaging), so a
# build folder or a debian/ folder beside the sources does not count. Without
# reuse the test is skipped (status 77).
#   cmake -DSOURCE_DIR=... -DCOPY=... [-DGIT=.../git] [-DREUSE=.../reuse] -P reuselint.cmake
if(NOT REUSE)
  message("reuse is not installed: skipped")
  cmake_language(EXIT 77)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/sourcefiles.cmake)
numora_source_files(files ${SOURCE_DIR} "${GIT}")
file(REMOVE_RECURSE ${COPY})
foreach(path IN LISTS files)
  get_filename_component(folder ${COPY}/${path} DIRECTORY)
  file(COPY ${SOURCE_DIR}/${path} DESTINATION ${folder})
endforeach()
# The copy lies inside the build tree, which may lie inside a git checkout
# whose ignore rules would hide it from reuse.
get_filename_component(above ${COPY} DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env GIT_CEILING_DIRECTORIES=${above} ${REUSE} --root ${COPY} lint
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "reuse lint: status ${result}\n${output}")
endif()
string(REGEX MATCH "Files with license information: [0-9]+ / [0-9]+" summary "${output}")
message(STATUS "${summary}")
