# Installing on Linux and the like, and the .deb: the program, its manual
# page, the licence and the changelog, the documents compressed as the
# system's own are, and the bash completion.
install(TARGETS rezonans RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# --help names the manual as it is read here, installed or not.
target_compile_definitions(rezonans_core PUBLIC REZONANS_MANUAL="${REZONANS_MANUAL}")
foreach(document ${MANPAGE} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog)
  get_filename_component(name ${document} NAME)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/doc/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/doc
    COMMAND gzip -9 -n -c ${document} > ${compressed}
    DEPENDS ${document})
  list(APPEND COMPRESSED ${compressed})
endforeach()
add_custom_target(documents ALL DEPENDS ${COMPRESSED})
list(GET COMPRESSED 0 MANPAGE_GZ)
list(GET COMPRESSED 1 CHANGELOG_GZ)
# `make run` builds the program alone: an install or a package after it
# says what is missing rather than which file.
install(CODE "
  if(NOT EXISTS \"${MANPAGE_GZ}\")
    message(FATAL_ERROR \"Build in full first: cmake --build --preset release\")
  endif()")
install(FILES ${MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CHANGELOG_GZ} packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Where bash-completion looks for a command's completion when it is first used.
install(FILES packaging/rezonans.bash RENAME rezonans
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rezonans)
set(CPACK_PACKAGE_CONTACT "rezonans developers <dev@rezonans.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resonance calculator for an ideal LC circuit")
set(CPACK_PACKAGE_DESCRIPTION "\
Given any two of inductance L, capacitance C, resonant frequency F and
reactance R, typed on one line (4.5uL10nC is 4.5 microhenry and
10 nanofarad), rezonans computes the other two from F = 1/(2 pi sqrt(LC))
and R = 2 pi F L, and prints all four, plain and scaled to a decimal prefix.
.
The interface is in Russian. At a terminal it is a dialogue with line
editing and a lasting history; in a pipe it answers a file of entries; it
also answers entries given as arguments, for scripts.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The line editor is loaded when an interactive session starts, so the
# package tools cannot see it; without it lines are read plainly.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libedit2)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The .deb generator dates every member by SOURCE_DATE_EPOCH, which this sets.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/source-date.cmake)
include(CPack)
