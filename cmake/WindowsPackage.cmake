# The Windows package: `cpack` in a Windows build makes
# difusao1d-<version>-win64.zip, a folder holding the program, the example
# dados.txt (Windows-1252, CR LF), the plot scripts, a short text on how to run it (LEIA-ME.txt,
# Portuguese and English, CR LF line ends for Notepad) and the licence (LICENSE.txt).
install(TARGETS difusao1d RUNTIME DESTINATION . COMPONENT windows_package)
# dados.txt as --exemplo writes it on Windows (cli/CMakeLists.txt):
# Windows-1252 with CR LF.
install(FILES ${PROJECT_BINARY_DIR}/windows/dados.txt ${PROJECT_SOURCE_DIR}/examples/temp.gnu
              ${PROJECT_SOURCE_DIR}/examples/temp_med.gnu ${PROJECT_SOURCE_DIR}/examples/terminal.gnu
              ${PROJECT_SOURCE_DIR}/examples/convergencia.gnu
        DESTINATION . COMPONENT windows_package)
file(READ ${PROJECT_SOURCE_DIR}/examples/windows/LEIA-ME.txt read_me)
string(REPLACE "\n" "\r\n" read_me "${read_me}")
file(WRITE ${PROJECT_BINARY_DIR}/LEIA-ME.txt "${read_me}")
install(FILES ${PROJECT_BINARY_DIR}/LEIA-ME.txt DESTINATION . COMPONENT windows_package)
# The licence, with CR LF line ends for Notepad.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
file(WRITE ${PROJECT_BINARY_DIR}/LICENSE.txt "${licence}")
install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION . COMPONENT windows_package)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME difusao1d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(DIFUSAO_WINDOWS_PACKAGE difusao1d-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${DIFUSAO_WINDOWS_PACKAGE})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_COMPONENTS_ALL windows_package)
include(CPack)
