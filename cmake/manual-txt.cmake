# Renders the manual page as plain text for Windows: its Windows sections
# (the register windows set), no bold, underline or colour, no hyphenation
# (the code page lacks the hyphen groff would break words with),
# Windows-1251 with CR LF line ends.
# Usage: cmake -DPAGE=rezonans.1 -DTXT=rezonans.txt -P manual-txt.cmake
set(standins ${CMAKE_CURRENT_LIST_DIR}/../packaging/cp1251.tmac)
execute_process(COMMAND groff -k -t -man -Tutf8 -P-cbou -rHY=0 -rwindows=1 ${standins} ${PAGE}
  OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${TXT}.utf8 "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP1251 -o ${TXT} ${TXT}.utf8 RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The manual has a character Windows-1251 lacks: "
    "give it a stand-in in ${standins}")
endif()
