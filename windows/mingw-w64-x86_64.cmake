# SPDX-License-Identifier: MIT
# Cross-builds for 64-bit Windows with Debian's mingw-w64, using the compilers
# with posix threads (C++ threads need them). Give the Qt for Windows with
# -DCMAKE_PREFIX_PATH=<its prefix>.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_OBJDUMP ${mingw}-objdump CACHE FILEPATH "")

# Headers and libraries from the target's tree and Qt's; programs (moc, rcc)
# from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Windows programs built here run under wine.
find_program(LUMETRA_WINE wine)
if(LUMETRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMETRA_WINE})
endif()
