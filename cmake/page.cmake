# The page for a browser beside the native program: built by a build of its
# own with the wasm32-wasi toolchain (cmake --preset web does the same), then
# installed with the program, in /usr/share/rezonans/ or in the zip. Only the
# build of the page needs that toolchain; configuring and building the
# program alone do not.
include(ExternalProject)
set(REZONANS_PAGE_FILE ${PROJECT_BINARY_DIR}/web/rezonans.html)
ExternalProject_Add(page
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${PROJECT_BINARY_DIR}/web
  CMAKE_ARGS --toolchain ${PROJECT_SOURCE_DIR}/cmake/wasm32-wasi.cmake
    -DCMAKE_BUILD_TYPE=Release -DREZONANS_WERROR=${REZONANS_WERROR}
    -DREZONANS_TESTS=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target page
  BUILD_BYPRODUCTS ${REZONANS_PAGE_FILE}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)
if(WIN32)
  install(FILES ${REZONANS_PAGE_FILE} DESTINATION .)
  add_dependencies(zip page)
else()
  install(FILES ${REZONANS_PAGE_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/rezonans)
endif()
