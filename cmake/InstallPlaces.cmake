# Run at install time (cmake --install, CPack): writes the two files that
# name places of the install. FISCOVA_DESKTOP_ENTRY_IN is the menu entry's
# template.
set(prefix "${CMAKE_INSTALL_PREFIX}")
# The system configuration of a /usr install is /etc, as GNUInstallDirs has it.
if(prefix STREQUAL "/usr")
  set(etc "/etc")
else()
  set(etc "${prefix}/etc")
endif()

# The registry file: a .reg text whose default value of the content key is
# the disc folder (backslashes and quotes escaped as .reg files escape them).
set(disc "${prefix}/share/fiscova/disc")
string(REPLACE "\\" "\\\\" disc "${disc}")
string(REPLACE "\"" "\\\"" disc "${disc}")
set(reg "$ENV{DESTDIR}${etc}/xdg/ZEM/Fiscova.reg")
message(STATUS "Installing: ${reg}")
file(WRITE "${reg}"
     "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZEM\\Fiscova\\cd]\n@=\"${disc}\"\n")

# The menu entry starts the launcher by its full path; a path with blanks or
# quotes is quoted as the entry format asks.
set(FISCOVA_TRY_EXEC "${prefix}/bin/fiscova")
set(FISCOVA_EXEC "${FISCOVA_TRY_EXEC}")
if(FISCOVA_EXEC MATCHES "[ \t\"'\\\\$`]")
  string(REPLACE "\\" "\\\\" FISCOVA_EXEC "${FISCOVA_EXEC}")
  string(REPLACE "\"" "\\\"" FISCOVA_EXEC "${FISCOVA_EXEC}")
  string(REPLACE "$" "\\$" FISCOVA_EXEC "${FISCOVA_EXEC}")
  string(REPLACE "`" "\\`" FISCOVA_EXEC "${FISCOVA_EXEC}")
  set(FISCOVA_EXEC "\"${FISCOVA_EXEC}\"")
endif()
get_filename_component(entry_name "${FISCOVA_DESKTOP_ENTRY_IN}" NAME_WLE)
set(entry "$ENV{DESTDIR}${prefix}/share/applications/${entry_name}")
message(STATUS "Installing: ${entry}")
configure_file("${FISCOVA_DESKTOP_ENTRY_IN}" "${entry}" @ONLY)
