# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the text file INPUT, less its comment lines, to OUTPUT as the C++
# character array NAME, so that the engine needs no files at run time.
file(STRINGS ${INPUT} lines REGEX "^[^#]")
list(JOIN lines "\n" text)
file(WRITE ${OUTPUT}.new "// Generated from ${INPUT}; do not edit.\nnamespace numora {\nextern const char ${NAME}[];\nconst char ${NAME}[] = R\"(${text}\n)\";\n}\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
