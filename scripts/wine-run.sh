#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a 64-bit Windows program under the 64-bit wine, quietly, in a prefix of
# the build's own (WINEPREFIX, default build-windows/wine) that is made on
# first use, without the prompts for the browser and .NET add-ons. A program
# file that is not x86-64 is refused before wine starts.
#   wine-run.sh PROGRAM[.exe] [ARGUMENT...]
set -eu
. "$(dirname "$0")/wine-env.sh"
: "${WINEPREFIX:=$(cd "$(dirname "$0")/.." && pwd)/build-windows/wine}"
: "${WINEDEBUG:=-all}" # a developer may ask for wine's messages
WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
# A file is checked; a bare name (cmd, wineboot) is one of wine's own 64-bit
# programs.
[ -f "$1" ] && require_64_bit "$1"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINELOADER" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w
fi
# Qt on Windows sends its messages, and a test program its whole report, to
# the debugger rather than to a standard error that is not a console, so a
# failing test would leave no word of its case. Wine passes no QT_ variable
# from here: the prefix's environment holds it.
if ! grep -q '^"QT_FORCE_STDERR_LOGGING"="1"' "$WINEPREFIX/user.reg"; then
    "$WINELOADER" reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
fi
exec "$WINELOADER" "$@"
