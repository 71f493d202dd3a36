# The installed copy on Linux and its Debian package: the program, the
# example case, the manual page and the README.
#   cmake --install build --prefix ~/.local
#   cd build && cpack -G DEB        # difusao1d_<version>_amd64.deb (arm64 from build-aarch64)
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/driver/difusao1d.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME difusao1d)
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
# A cross build for 64-bit ARM makes the arm64 package. dpkg-shlibdeps knows
# the libraries of the build machine's own architecture only, so the arm64
# package names its libraries itself: those the amd64 package gets, at the
# versions whose symbols the program uses (GLIBC_2.34, GLIBCXX_3.4.29).
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11)")
endif()
if(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR DEB)
endif()
include(CPack)
