# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (posix
# threads, for std::thread) against the static Qt, GMP and MPFR that
# scripts/build-windows-deps.sh builds; pass its folder as
# -DBELTWRIGHT_WINDOWS_PREFIX=... Programs and tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BELTWRIGHT_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${BELTWRIGHT_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${BELTWRIGHT_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No DLL beside the programs: the C and C++ runtimes and winpthread go in too,
# and the stack protector's library, which MinGW keeps apart.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -fstack-protector-strong")
set(CMAKE_PROJECT_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/static-libraries.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
