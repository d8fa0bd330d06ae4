# SPDX-License-Identifier: MIT
# Cross-compiling the Windows module with Debian's mingw-w64 (posix threads), 64-bit. Programs the build
# makes run under Wine when CTest runs them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LUNVALE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUNVALE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUNVALE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${LUNVALE_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LUNVALE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
