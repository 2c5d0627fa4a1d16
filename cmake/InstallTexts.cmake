# Copies text files from SOURCE to DEST, turning LF line ends into CR LF.
# FILES is the list of paths relative to SOURCE.
foreach(file IN LISTS FILES)
  file(READ "${SOURCE}/${file}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  get_filename_component(dir "${DEST}/${file}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(WRITE "${DEST}/${file}" "${text}")
endforeach()
