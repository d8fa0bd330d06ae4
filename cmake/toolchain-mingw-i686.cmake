# SPDX-License-Identifier: MIT
# Cross-compiling the Windows module with Debian's mingw-w64 (posix threads), 32-bit. Programs the build
# makes run under Wine (wine, which needs Debian's wine32) when CTest runs them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LUNVALE_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER ${LUNVALE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUNVALE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${LUNVALE_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LUNVALE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
