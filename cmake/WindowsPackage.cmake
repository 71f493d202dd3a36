# The Windows package: `cpack` in a Windows build makes
# difusao1d-<version>-win64.zip, a folder holding the program, the example
# dados.txt, the plot scripts and a short text on how to run it (LEIA-ME.txt,
# Portuguese and English, CR LF line ends for Notepad).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(windows_flavour win64)
else()
  set(windows_flavour win32)
endif()

install(TARGETS difusao1d RUNTIME DESTINATION . COMPONENT windows_package)
install(FILES ${PROJECT_SOURCE_DIR}/examples/dados.txt ${PROJECT_SOURCE_DIR}/examples/temp.gnu
              ${PROJECT_SOURCE_DIR}/examples/temp_med.gnu ${PROJECT_SOURCE_DIR}/examples/terminal.gnu
              ${PROJECT_SOURCE_DIR}/examples/convergencia.gnu
        DESTINATION . COMPONENT windows_package)
file(READ ${PROJECT_SOURCE_DIR}/examples/windows/LEIA-ME.txt read_me)
string(REPLACE "\n" "\r\n" read_me "${read_me}")
file(WRITE ${PROJECT_BINARY_DIR}/LEIA-ME.txt "${read_me}")
install(FILES ${PROJECT_BINARY_DIR}/LEIA-ME.txt DESTINATION . COMPONENT windows_package)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME difusao1d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(DIFUSAO_WINDOWS_PACKAGE difusao1d-${PROJECT_VERSION}-${windows_flavour})
set(CPACK_PACKAGE_FILE_NAME ${DIFUSAO_WINDOWS_PACKAGE})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_COMPONENTS_ALL windows_package)
include(CPack)
