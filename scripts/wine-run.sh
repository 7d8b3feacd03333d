#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under wine, quietly, in a prefix of the build's own
# (WINEPREFIX, default build-windows/wine) that is made on first use, without
# the prompts for the browser and .NET add-ons.
#   wine-run.sh PROGRAM.exe [ARGUMENT...]
set -eu
: "${WINEPREFIX:=$(cd "$(dirname "$0")/.." && pwd)/build-windows/wine}"
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
fi
exec wine "$@"
