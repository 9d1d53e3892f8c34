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

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME rezonans)
set(CPACK_PACKAGE_FILE_NAME rezonans-${PROJECT_VERSION}-win64)
set(CPACK_STRIP_FILES ON)
include(CPack)
