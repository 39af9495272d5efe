# The Linux client: the Qt views over the portable code, its icon, history and desktop entry,
# installed under share/ and bin/ and packed as a Debian package by CPack.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Network Test)

file(GLOB PORVAN_QT_SOURCES CONFIGURE_DEPENDS src/qt/*.cpp)
list(FILTER PORVAN_QT_SOURCES EXCLUDE REGEX "/qt_main\\.cpp$")
add_library(porvan_qt STATIC ${PORVAN_QT_SOURCES})
target_link_libraries(porvan_qt PUBLIC porvan_platform Qt6::Widgets Qt6::Network)

# The build tree has the installed layout, so the client finds share/porvan/history.txt beside
# its bin folder in both.
set(PORVAN_QT_STAGE ${CMAKE_BINARY_DIR}/stage)
add_executable(porvan src/qt/qt_main.cpp)
target_link_libraries(porvan PRIVATE porvan_qt)
set_target_properties(porvan PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PORVAN_QT_STAGE}/bin)

set(history ${PORVAN_QT_STAGE}/share/porvan/history.txt)
add_custom_command(OUTPUT ${history}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PORVAN_QT_STAGE}/share/porvan
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/docs/history.txt -DOUT=${history}
          -P ${CMAKE_SOURCE_DIR}/cmake/make_history.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/history.txt ${CMAKE_SOURCE_DIR}/cmake/make_history.cmake
  COMMENT "Writing history.txt")

add_executable(porvan_icon tools/qt/porvan_icon.cpp)
target_link_libraries(porvan_icon PRIVATE porvan_qt)
set(icons "")
foreach(size 48 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/porvan.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND porvan_icon ${icon} ${size}
    DEPENDS porvan_icon
    COMMENT "Drawing the ${size} pixel icon")
  list(APPEND icons ${icon})
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(porvan_files ALL DEPENDS ${history} ${icons})
add_dependencies(porvan porvan_files)

install(TARGETS porvan RUNTIME DESTINATION bin)
install(FILES ${history} DESTINATION share/porvan)
configure_file(cmake/qt/porvan.desktop.in ${CMAKE_BINARY_DIR}/porvan.desktop COPYONLY)
install(FILES ${CMAKE_BINARY_DIR}/porvan.desktop DESTINATION share/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME porvan)
set(CPACK_PACKAGE_VERSION ${PORVAN_FILE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Porvan access control client")
set(CPACK_PACKAGE_CONTACT "Porvan Development <dev@porvan.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-utils opens downloads and web links, xdg-user-dirs finds the desktop; the client programs
# are the user's choice.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, xdg-user-dirs")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "filezilla, x-terminal-emulator")
set(CPACK_STRIP_FILES ON)
include(CPack)
