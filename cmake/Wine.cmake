# Windows programs of a cross build run under wine, in a wine prefix of the
# build folder with wine's own messages off. The prefix is made once per
# build folder by the target difusao_wine_prefix (its first start is slow),
# not by each test.
if(NOT DIFUSAO_WINE)
  message(STATUS "wine not found: the Windows programs are built but not run")
  return()
endif()
set(DIFUSAO_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEPREFIX=${DIFUSAO_WINE_PREFIX} WINEDEBUG=-all ${DIFUSAO_WINE})
get_filename_component(wine_folder ${DIFUSAO_WINE} DIRECTORY)
find_program(DIFUSAO_WINESERVER NAMES wineserver64 wineserver HINTS ${wine_folder} /usr/lib/wine)
set(DIFUSAO_WINE_ENV ${CMAKE_COMMAND} -E env WINEPREFIX=${DIFUSAO_WINE_PREFIX} WINEDEBUG=-all)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/wine-prefix.stamp
  COMMAND ${DIFUSAO_WINE_ENV} ${DIFUSAO_WINE} wineboot --init
  COMMAND ${DIFUSAO_WINE_ENV} ${DIFUSAO_WINESERVER} --wait
  COMMAND ${CMAKE_COMMAND} -E touch ${PROJECT_BINARY_DIR}/wine-prefix.stamp
  COMMENT "Making the wine prefix of this build folder"
  VERBATIM)
add_custom_target(difusao_wine_prefix ALL DEPENDS ${PROJECT_BINARY_DIR}/wine-prefix.stamp)
