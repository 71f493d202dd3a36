# The installed copy on Linux and its Debian package: the program, the
# example case, the manual page and the README.
#   cmake --install build --prefix ~/.local
#   cd build && cpack -G DEB        # difusao1d_<version>_amd64.deb
include(GNUInstallDirs)

# The manual page names the project's version.
configure_file(${PROJECT_SOURCE_DIR}/driver/difusao1d.1 ${PROJECT_BINARY_DIR}/difusao1d.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/difusao1d.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME difusao1d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "difusao1d")
set(CPACK_PACKAGE_CONTACT "difusao1d <difusao1d@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "difusão de calor 1-D por volumes finitos, comparada com a solução analítica")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "difusao1d resolve a difusão de calor transiente numa placa pelo método dos volumes\n"
    "finitos (formulação theta), compara com a solução analítica e grava um relatório e\n"
    "os dados dos gráficos. Traz um caso de exemplo com scripts de gráfico e uma página\n"
    "de manual.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnuplot | gnuplot-nox")
if(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR DEB)
endif()
include(CPack)
