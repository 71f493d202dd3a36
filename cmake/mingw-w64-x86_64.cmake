# Cross build for 64-bit Windows with Debian's mingw-w64 g++ (the posix
# threading flavour, which has std::thread), run under wine for the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Linked statically: the program needs no DLL beside the system's own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Every Windows program of the build (tests included) runs under wine.
find_program(DIFUSAO_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(DIFUSAO_WINE wine64 wine)
if(DIFUSAO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DIFUSAO_WINE})
endif()
