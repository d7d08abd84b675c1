# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop entry names the program by its full installed path (Exec and
# TryExec), so that a menu starts it from any prefix, also one whose bin folder
# is not on PATH (cmake --install build --prefix ~/.local). The prefix is final
# only when installing, so the entry is written then.

# Writes the entry OUTPUT from TEMPLATE for the program at PROGRAM (a full path).
function(numora_desktop_entry template program output)
  # Values escape backslashes. Exec quotes a path holding anything but the
  # plainest characters, escaping " ` $ \ inside the quotes, and doubles %.
  string(REPLACE "\\" "\\\\" NUMORA_TRYEXEC "${program}")
  set(exec "${program}")
  if(exec MATCHES "[^A-Za-z0-9/._+,=@:-]")
    string(REPLACE "\\" "\\\\" exec "${exec}")
    string(REPLACE "\"" "\\\"" exec "${exec}")
    string(REPLACE "`" "\\`" exec "${exec}")
    string(REPLACE "$" "\\$" exec "${exec}")
    set(exec "\"${exec}\"")
  endif()
  string(REPLACE "%" "%%" exec "${exec}")
  string(REPLACE "\\" "\\\\" NUMORA_EXEC "${exec}")
  configure_file(${template} ${output} @ONLY)
endfunction()

# At install time: BINDIR and DATADIR as configured, relative to the prefix
# being installed to or absolute; the entry is written into WORKDIR first.
function(numora_install_desktop_entry template bindir datadir workdir)
  get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
  foreach(dir bindir datadir)
    if(NOT IS_ABSOLUTE "${${dir}}")
      set(${dir} "${prefix}/${${dir}}")
    endif()
  endforeach()
  get_filename_component(name "${template}" NAME_WLE)
  numora_desktop_entry("${template}" "${bindir}/numora" "${workdir}/${name}")
  file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE FILES "${workdir}/${name}")
endfunction()
