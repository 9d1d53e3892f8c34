cmake_minimum_required(VERSION 3.25)
# Writes the page: the HTML template with the style, the script and the
# WebAssembly module (in base64) put in its place, so that the page is one
# file that asks for nothing. Nothing of the time or the build's folders goes
# in, so one commit gives the same bytes.
# Usage: cmake -DWASM=core.wasm -DPAGE=out.html -P inline.cmake (in web/)
file(READ rezonans.html page)
file(READ rezonans.css style)
file(READ rezonans.js script)
execute_process(COMMAND base64 -w 0 ${WASM} OUTPUT_VARIABLE wasm
  COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@SCRIPT@*/" "${script}" page "${page}")
string(REPLACE "@WASM@" "${wasm}" page "${page}")
file(WRITE ${PAGE} "${page}")
