# Cross build for 64-bit ARM Linux with Debian's g++-aarch64-linux-gnu, run
# under qemu-user for the tests (qemu-aarch64 with the target's libraries
# from /usr/aarch64-linux-gnu).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(aarch64_prefix aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${aarch64_prefix}-gcc)
set(CMAKE_CXX_COMPILER ${aarch64_prefix}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${aarch64_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program of the build (tests included) runs under qemu-user, which
# finds the dynamic loader and the C library under the -L folder.
find_program(DIFUSAO_QEMU qemu-aarch64)
if(DIFUSAO_QEMU)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DIFUSAO_QEMU} -L /usr/${aarch64_prefix})
endif()
