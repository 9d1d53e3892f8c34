# The page in a browser, built with the wasm32-wasi toolchain: the core and
# the page's entry compiled to WebAssembly, then inlined with the page's HTML,
# CSS and JavaScript into one file, build/web/rezonans.html.
add_executable(rezonans_web src/web.cpp)
target_link_libraries(rezonans_web PRIVATE rezonans_core)
# A library the page calls, not a program that runs once; no names, no paths
# of the build, and a stack for the session's buffers.
target_link_options(rezonans_web PRIVATE -mexec-model=reactor -Wl,--strip-all
  -Wl,-z,stack-size=262144
  -Wl,--export=rezonans_mesto,--export=rezonans_zapusk,--export=rezonans_vvod
  -Wl,--export=rezonans_poyasnenie,--export=rezonans_nadpis
  -Wl,--export=rezonans_pokaz,--export=rezonans_spravochnik
  -Wl,--export=rezonans_chitat,--export=rezonans_tekst
  -Wl,--export=rezonans_diapazon
  # The circuit as built: a coil measured from two readings.
  -Wl,--export=rezonans_zamer)
# --help names the manual as Linux reads it.
target_compile_definitions(rezonans_core PUBLIC REZONANS_MANUAL="${REZONANS_MANUAL}")

set(PAGE ${PROJECT_BINARY_DIR}/rezonans.html)
# The page's scripts, one job each, in the order the page runs them: the
# bridge to the core, the console view, the calculator view and what it
# shows with (units, the clipboard, the link, the answer as typed, the
# tables, the parts, the circuit as built, the coil measured, the picture),
# the tuning range's view and its dial, the tabs, then the start that joins
# them.
set(PAGE_SCRIPTS yadro.js konsol.js edinicy.js bufer.js ssylka.js otklik.js tablica.js
  detali.js postroen.js zamer.js risunok.js grafik.js kalkulyator.js shkala.js
  diapazon.js vkladki.js stranica.js)
list(TRANSFORM PAGE_SCRIPTS PREPEND web/ OUTPUT_VARIABLE PAGE_SOURCES)
list(APPEND PAGE_SOURCES web/rezonans.html web/rezonans.css)
add_custom_command(OUTPUT ${PAGE}
  COMMAND ${CMAKE_COMMAND} -DWASM=$<TARGET_FILE:rezonans_web> -DPAGE=${PAGE}
    "-DSCRIPTS=${PAGE_SCRIPTS}" -P ${PROJECT_SOURCE_DIR}/web/inline.cmake
  DEPENDS rezonans_web ${PAGE_SOURCES} web/inline.cmake
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/web VERBATIM)
add_custom_target(page ALL DEPENDS ${PAGE})

if(REZONANS_TESTS)
  enable_testing()
  # The page in Debian's Chromium, headless, opened from disk.
  find_program(NODE NAMES node nodejs)
  find_program(CHROMIUM NAMES chromium chromium-browser)
  if(NODE AND CHROMIUM)
    add_test(NAME web.browser COMMAND ${NODE} ${PROJECT_SOURCE_DIR}/tests/web/browser.js
      ${CHROMIUM} ${PAGE} ${PROJECT_SOURCE_DIR}/tests/transcripts)
    set_tests_properties(web.browser PROPERTIES TIMEOUT 300)
  else()
    # A missing tool fails a test of its own rather than leaving the test out.
    add_test(NAME missing.browser COMMAND sh -c "echo 'node or chromium is not installed'; exit 1")
  endif()
endif()
