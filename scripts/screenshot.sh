#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the window on a virtual X server (Xvfb) and writes a PNG of it.
#   sh scripts/screenshot.sh [LOCALE] [OUTPUT]
# LOCALE is the system locale the window starts with (default en_US.UTF-8, a
# German one such as de_CH.UTF-8 gives the German window); OUTPUT defaults to
# docs/screenshot.png.
set -eu
cd "$(dirname "$0")/.."
locale="${1:-en_US.UTF-8}"
output="${2:-docs/screenshot.png}"

make build >/dev/null
mkdir -p "$(dirname "$output")"
xvfb-run -a -s "-screen 0 1024x768x24" \
    env LC_ALL="$locale" LANG="$locale" QT_QPA_PLATFORM=xcb \
    build/tests/screenshot "$output"
echo "screenshot: wrote $output ($locale)"
