# Turns a mingw-w64 import library into a delay-import library for the same DLL: every function
# the import library names is resolved at its first call instead of at process start.
# Run as: cmake -DNM=<nm> -DDLLTOOL=<dlltool> -DIMPORT_LIB=<libfoo.a> -DDLL=<foo.dll>
#               -DOUT=<libfoo_delay.a> -P make_delay_import_lib.cmake
execute_process(COMMAND "${NM}" --defined-only "${IMPORT_LIB}"
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${IMPORT_LIB}")
endif()

# A function of the DLL has its import slot (I __imp_name) and its call thunk (T name); data
# has only the slot and cannot be delay-loaded, so it is left out.
string(REGEX MATCHALL "[0-9a-f]+ I __imp_[A-Za-z0-9_@?$]+" slots "${symbols}")
string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z0-9_@?$]+" thunks "${symbols}")
list(TRANSFORM slots REPLACE "^[0-9a-f]+ I __imp_" "")
list(TRANSFORM thunks REPLACE "^[0-9a-f]+ T " "")
set(exports "")
foreach(name IN LISTS slots)
  list(FIND thunks "${name}" found)
  if(NOT found EQUAL -1)
    string(APPEND exports "${name}\n")
  endif()
endforeach()
if(exports STREQUAL "")
  message(FATAL_ERROR "${IMPORT_LIB} names no function of ${DLL}")
endif()

file(WRITE "${OUT}.def" "LIBRARY ${DLL}\nEXPORTS\n${exports}")
file(REMOVE "${OUT}")
execute_process(COMMAND "${DLLTOOL}" --input-def "${OUT}.def" --dllname "${DLL}"
  --output-delaylib "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "${DLLTOOL} could not make a delay-import library for ${DLL}")
endif()
