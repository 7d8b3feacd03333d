#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows build's window under wine on a virtual X server and
# writes a PNG of it (default docs/screenshot-windows.png). Needs the Windows
# build's test tools: make windows-check, or cmake --build build-windows.
#   sh scripts/screenshot-windows.sh [OUTPUT]
set -eu
cd "$(dirname "$0")/.."
output="${1:-docs/screenshot-windows.png}"
build=${WINDOWS_BUILD:-build-windows}
cmake --build "$build" --target screenshot >/dev/null
mkdir -p "$(dirname "$output")"
WINEPREFIX=$(pwd)/$build/wine xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh scripts/wine-run.sh "$build/tests/screenshot.exe" "$output" window
echo "screenshot-windows: wrote $output"
