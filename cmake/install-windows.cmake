# The Windows program as a zip: rezonans.exe, the licence, a short README.txt
# and the manual page as text, rezonans.txt, each text with CRLF line ends and
# the Russian ones in Windows-1251, as the Russian Windows tools read them.
set(README_TXT ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
configure_file(packaging/README.txt ${README_TXT}.utf8 @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${README_TXT}
  COMMAND iconv -f UTF-8 -t CP1251 -o ${README_TXT} ${README_TXT}.utf8
  DEPENDS ${README_TXT}.utf8)
set(LICENSE_TXT ${CMAKE_CURRENT_BINARY_DIR}/LICENSE)
configure_file(LICENSE ${LICENSE_TXT} @ONLY NEWLINE_STYLE CRLF)
set(MANUAL_TXT ${CMAKE_CURRENT_BINARY_DIR}/rezonans.txt)
add_custom_command(OUTPUT ${MANUAL_TXT}
  COMMAND ${CMAKE_COMMAND} -DPAGE=${MANPAGE} -DTXT=${MANUAL_TXT}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/manual-txt.cmake
  DEPENDS ${MANPAGE} cmake/manual-txt.cmake packaging/cp1251.tmac)
add_custom_target(texts ALL DEPENDS ${README_TXT} ${MANUAL_TXT})
install(TARGETS rezonans RUNTIME DESTINATION .)
install(FILES ${LICENSE_TXT} ${README_TXT} ${MANUAL_TXT} DESTINATION .)
# --help names the manual as the zip holds it.
target_compile_definitions(rezonans_core PUBLIC REZONANS_MANUAL="rezonans.txt")

# Packed by a script of its own rather than by cpack, whose zips hold each
# file's access time and owner: see the script.
find_program(ZIP_PROGRAM zip REQUIRED)
set(REZONANS_ZIP ${PROJECT_BINARY_DIR}/rezonans-${PROJECT_VERSION}-win64.zip)
configure_file(cmake/pack-zip.cmake.in pack-zip.cmake @ONLY)
add_custom_target(zip
  COMMAND ${CMAKE_COMMAND} -DZIP=${REZONANS_ZIP} -P ${PROJECT_BINARY_DIR}/pack-zip.cmake
  DEPENDS rezonans texts VERBATIM)
