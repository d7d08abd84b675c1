# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs COMMAND (a list) and compares what it prints, less its timings, with the
# file EXPECTED. With MINRATIO, the printed ratio (how many times less processor
# time the engine needs than the literal reading) must be at least that: a guard
# on the engine's speed that holds on any machine, busy or not.
execute_process(COMMAND ${COMMAND} OUTPUT_VARIABLE printed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${COMMAND} ended with status ${status}:\n${printed}")
endif()
if(DEFINED MINRATIO)
  if(NOT printed MATCHES "(^|\n)ratio ([0-9]+)\n")
    message(FATAL_ERROR "${COMMAND} printed no ratio:\n${printed}")
  endif()
  if(CMAKE_MATCH_2 LESS MINRATIO)
    message(FATAL_ERROR "the engine thinks only ${CMAKE_MATCH_2} times as fast as the literal reading, "
                        "not ${MINRATIO}:\n${printed}")
  endif()
endif()
string(REGEX REPLACE "(wall_s|engine_ms|literal_ms|longest_move_ms|ratio) [^\n]*\n" "" printed "${printed}")
file(READ "${EXPECTED}" expected)
if(NOT printed STREQUAL expected)
  message(FATAL_ERROR "${COMMAND} printed\n${printed}\nexpected\n${expected}")
endif()
