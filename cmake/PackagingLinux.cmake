# The installed copy on Linux and its Debian package: the program, the
# example case, the manual page and the README.
#   cmake --install build --prefix ~/.local
#   cd build && cpack -G DEB        # difusao1d_<version>_amd64.deb (arm64 from build-aarch64)
include(GNUInstallDirs)

# The manual page names the project's version, and is compressed as man and
# Debian expect it; -n keeps the name and time out of the file, so that the
# package is the same at every build.
configure_file(${PROJECT_SOURCE_DIR}/cli/difusao1d.1 ${PROJECT_BINARY_DIR}/difusao1d.1 @ONLY)
find_program(DIFUSAO_GZIP gzip REQUIRED)
set(manual_page ${PROJECT_BINARY_DIR}/difusao1d.1.gz)
add_custom_command(
  OUTPUT ${manual_page}
  COMMAND ${DIFUSAO_GZIP} -9n -c ${PROJECT_BINARY_DIR}/difusao1d.1 > ${manual_page}
  DEPENDS ${PROJECT_BINARY_DIR}/difusao1d.1
  COMMENT "Compressed manual page"
  VERBATIM)
add_custom_target(difusao_manual_page ALL DEPENDS ${manual_page})
install(FILES ${manual_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The licence: LICENSE in an installed copy, Debian's copyright file in the package.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Who answers for the package on the lab's machines: set it when building
# the lab's package (cmake -D DIFUSAO_MAINTAINER="Name <address>").
set(DIFUSAO_MAINTAINER "the difusao1d developers <difusao1d@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

# Debian's changelog of the package, compressed like the manual page.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
set(debian_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${debian_changelog}
  COMMAND ${DIFUSAO_GZIP} -9n -c ${PROJECT_BINARY_DIR}/changelog > ${debian_changelog}
  DEPENDS ${PROJECT_BINARY_DIR}/changelog
  VERBATIM)
add_custom_target(difusao_debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES ${debian_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME difusao1d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the difusao1d developers")
set(CPACK_PACKAGE_CONTACT "${DIFUSAO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DIFUSAO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "difusão de calor 1-D por volumes finitos, comparada com a solução analítica")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "difusao1d resolve a difusão de calor transiente numa placa pelo método\n"
    "dos volumes finitos (formulação theta), compara com a solução analítica e\n"
    "grava um relatório e os dados dos gráficos. Traz um caso de exemplo com\n"
    "scripts de gráfico e uma página de manual.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor of a run on Linux may be sensible-editor.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "sensible-utils")
# The plots are part of a run: a lab machine gets gnuplot with the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnuplot | gnuplot-nox")
# A cross build for 64-bit ARM makes the arm64 package. dpkg-shlibdeps knows
# the libraries of the build machine's own architecture only, so the arm64
# package names its libraries itself: those the amd64 package gets, at the
# versions whose symbols the program uses (GLIBC_2.34, GLIBCXX_3.4.29).
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "sensible-utils, libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11)")
endif()
if(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR DEB)
endif()

# Checks of each Debian package cpack makes (the stages package and
# linux-aarch64 of CI turn them on): "architecture", the package's
# Architecture field is its target's; "lintian", lintian finds no error
# (its warnings are shown). A failed check fails cpack.
set(DIFUSAO_PACKAGE_CHECKS "" CACHE STRING "Checks of each Debian package cpack makes: architecture, lintian")
set(CPACK_DIFUSAO_PACKAGE_CHECKS ${DIFUSAO_PACKAGE_CHECKS})
if(DIFUSAO_PACKAGE_CHECKS)
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/CheckDebianPackage.cmake)
endif()
include(CPack)
