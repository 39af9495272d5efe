# Turns the UTF-8, LF version history of the repository into the CP949, CR LF file the about box
# shows. Run as: cmake -DIN=<utf-8 file> -DOUT=<history.txt> -P make_history.cmake
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}.utf8" "${text}")
find_program(ICONV iconv REQUIRED)
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP949 "${OUT}.utf8"
  OUTPUT_FILE "${OUT}" RESULT_VARIABLE status)
file(REMOVE "${OUT}.utf8")
if(NOT status EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "iconv could not convert ${IN} to CP949")
endif()
