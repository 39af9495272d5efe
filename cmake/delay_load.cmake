# Delay-loading of system DLLs: a DLL given here is loaded at the first call into it rather than
# at process start, so the main window does not wait for what it does not use. A DLL that cannot
# be loaded then raises the error of src/win32/delay_load_failure.cpp, which every program that
# links the target carries.
#
# porvan_delay_load(<target> <dll base name>...) links <target> PUBLIC with those DLLs, delayed:
# MSVC by /DELAYLOAD with its delayimp library; mingw-w64 by delay-import libraries that dlltool
# makes at build time from mingw-w64's own import libraries.
function(porvan_delay_load target)
  set(delayed ${target}_delay_loaded)
  add_library(${delayed}_failure OBJECT ${PROJECT_SOURCE_DIR}/src/win32/delay_load_failure.cpp)
  target_include_directories(${delayed}_failure PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${delayed}_failure PRIVATE porvan_warnings)
  add_library(${delayed} INTERFACE)
  # The hook's object goes on every program's link line itself, where it replaces the runtime's
  # empty hook; inside a static library nothing would pull it in.
  target_link_libraries(${delayed} INTERFACE $<TARGET_OBJECTS:${delayed}_failure>)

  if(MSVC)
    foreach(dll IN LISTS ARGN)
      target_link_libraries(${delayed} INTERFACE ${dll})
      target_link_options(${delayed} INTERFACE /DELAYLOAD:${dll}.dll)
    endforeach()
    target_link_libraries(${delayed} INTERFACE delayimp)
  else()
    set(outputs "")
    foreach(dll IN LISTS ARGN)
      find_library(PORVAN_IMPORT_LIB_${dll} NAMES lib${dll}.a ${dll} REQUIRED)
      set(out ${CMAKE_BINARY_DIR}/delay_load/lib${dll}_delay.a)
      add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL}
                -DIMPORT_LIB=${PORVAN_IMPORT_LIB_${dll}} -DDLL=${dll}.dll -DOUT=${out}
                -P ${PROJECT_SOURCE_DIR}/cmake/make_delay_import_lib.cmake
        DEPENDS ${PORVAN_IMPORT_LIB_${dll}} ${PROJECT_SOURCE_DIR}/cmake/make_delay_import_lib.cmake
        COMMENT "Making the delay-import library of ${dll}.dll")
      list(APPEND outputs ${out})
      # The import library after it, for the data it holds of its own (in6addr_loopback); a
      # function comes from the delay library, which the linker searches first.
      target_link_libraries(${delayed} INTERFACE ${out} ${dll})
    endforeach()
    add_custom_target(${delayed}_libraries DEPENDS ${outputs})
    add_dependencies(${delayed} ${delayed}_libraries)
  endif()
  target_link_libraries(${target} PUBLIC ${delayed})
endfunction()
