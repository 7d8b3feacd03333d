#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the Windows programs, their installer and their check under
# wine need (make windows, make windows-check): the MinGW-w64 cross compiler
# with posix threads, the 64-bit wine, NSIS, zip, m4 for building GMP, and
# Python's imaging library to compare pictures. Everything that runs under
# wine is a 64-bit program, the installer included, so no i386 half is needed:
# many machines cannot run 32-bit programs at all.
set -eu
exec sh "$(dirname "$0")/install-deps.sh" \
    g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis zip m4 python3-pil xvfb xauth
