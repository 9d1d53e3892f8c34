# The Windows program as a zip: rezonans.exe, the licence, and a short
# README.txt in Windows-1251 with CRLF line ends, as the Russian Windows
# tools read it.
set(README_TXT ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
configure_file(packaging/README.txt ${README_TXT}.utf8 @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${README_TXT}
  COMMAND iconv -f UTF-8 -t CP1251 -o ${README_TXT} ${README_TXT}.utf8
  DEPENDS ${README_TXT}.utf8)
add_custom_target(readme ALL DEPENDS ${README_TXT})
install(TARGETS rezonans RUNTIME DESTINATION .)
install(FILES LICENSE ${README_TXT} DESTINATION .)

# Packed by a script of its own rather than by cpack, whose zips hold each
# file's access time and owner: see the script.
find_program(ZIP_PROGRAM zip REQUIRED)
set(REZONANS_ZIP ${PROJECT_BINARY_DIR}/rezonans-${PROJECT_VERSION}-win64.zip)
configure_file(cmake/pack-zip.cmake.in pack-zip.cmake @ONLY)
add_custom_target(zip
  COMMAND ${CMAKE_COMMAND} -DZIP=${REZONANS_ZIP} -P ${PROJECT_BINARY_DIR}/pack-zip.cmake
  DEPENDS rezonans readme VERBATIM)
