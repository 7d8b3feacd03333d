#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows build's window under wine on a virtual X server and
# writes a PNG of it or of its belt preview (default
# docs/screenshot-windows.png), in the language of LOCALE (default the
# caller's), with EXAMPLE (default main-belt, "none" for the window as it
# starts) opened and generated first. Needs the Windows build's test tools:
# make windows-check, or cmake --build build-windows.
#   sh scripts/screenshot-windows.sh [OUTPUT] [window|preview] [LOCALE] [EXAMPLE]
set -eu
cd "$(dirname "$0")/.."
output="${1:-docs/screenshot-windows.png}"
what="${2:-window}"
[ -z "${3:-}" ] || export LC_ALL="$3" LANG="$3"
example="${4:-main-belt}"
[ "$example" = none ] && example=""
build=${WINDOWS_BUILD:-build-windows}
cmake --build "$build" --target screenshot >/dev/null
mkdir -p "$(dirname "$output")"
WINEPREFIX=$(pwd)/$build/wine xvfb-run -a -s "-screen 0 1920x1200x24" \
    sh scripts/wine-run.sh "$build/tests/screenshot.exe" "$output" "$what" $example
echo "screenshot-windows: wrote $output"
