#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the Windows programs, their installer and their check under
# wine need (make windows, make windows-check): the MinGW-w64 cross compiler
# with posix threads, wine, NSIS, zip, m4 for building GMP, and Python's
# imaging library to compare pictures. NSIS makes 32-bit installers, which
# wine runs only with its i386 half (wine32).
set -eu
exec sh "$(dirname "$0")/install-deps.sh" --foreign-arch i386 \
    g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 wine32:i386 nsis zip m4 python3-pil xvfb xauth
