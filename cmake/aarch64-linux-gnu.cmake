# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit ARM Linux with Debian's crossbuild-essential-arm64.
# Use with -DBELTWRIGHT_CORE_ONLY=ON: Qt is not needed for the target.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Libraries come from the cross C library and from Debian's multiarch
# packages (libmpfr-dev:arm64 and the like in /usr/lib/aarch64-linux-gnu).
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
# Linked statically, the programs run under qemu-aarch64 without a target
# root for the dynamic loader and its libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_PROJECT_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/static-libraries.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
