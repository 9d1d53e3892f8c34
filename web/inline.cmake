# Writes the page: the HTML template with the style, the scripts (joined in
# the order given) and the WebAssembly module (in base64) put in its place, so
# that the page is one file that asks for nothing. Nothing of the time or the
# build's folders goes in, so one commit gives the same bytes.
# Usage: cmake -DWASM=core.wasm -DPAGE=out.html "-DSCRIPTS=a.js;b.js"
#   -P inline.cmake (in web/)
# The placeholders are no variable references: the policies of today.
cmake_minimum_required(VERSION 3.25)
# A page for slow connections and small phones.
set(LIMIT 409600)
file(READ rezonans.html page)
file(READ rezonans.css style)
set(script "")
foreach(file ${SCRIPTS})
  file(READ ${file} part)
  string(APPEND script "${part}")
endforeach()
# The core goes in compressed, which the page undoes as it starts: gzip
# without a name or a time in it packs the same bytes every time.
execute_process(COMMAND gzip -9 -n -c ${WASM} COMMAND base64 -w 0
  OUTPUT_VARIABLE wasm
  COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@SCRIPT@*/" "${script}" page "${page}")
string(REPLACE "@WASM@" "${wasm}" page "${page}")
file(WRITE ${PAGE} "${page}")
file(SIZE ${PAGE} size)
if(size GREATER LIMIT)
  file(REMOVE ${PAGE})
  message(FATAL_ERROR "The page has ${size} bytes, over ${LIMIT}")
endif()
