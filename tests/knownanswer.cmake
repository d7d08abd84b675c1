# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs COMMAND (a list) and compares what it prints, less its wall-clock line,
# with the file EXPECTED.
execute_process(COMMAND ${COMMAND} OUTPUT_VARIABLE printed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${COMMAND} ended with status ${status}:\n${printed}")
endif()
string(REGEX REPLACE "wall_s [^\n]*\n" "" printed "${printed}")
file(READ "${EXPECTED}" expected)
if(NOT printed STREQUAL expected)
  message(FATAL_ERROR "${COMMAND} printed\n${printed}\nexpected\n${expected}")
endif()
