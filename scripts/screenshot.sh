#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the window on a virtual X server (Xvfb) and writes a PNG of it, or of
# its belt preview.
#   sh scripts/screenshot.sh [LOCALE] [OUTPUT] [window|preview] [EXAMPLE]
# LOCALE is the system locale the window starts with (default en_US.UTF-8, a
# German one such as de_CH.UTF-8 gives the German window); OUTPUT defaults to
# docs/screenshot.png, or docs/preview.png for the preview. EXAMPLE (default
# main-belt, "none" for the window as it starts) is opened and generated first.
set -eu
cd "$(dirname "$0")/.."
locale="${1:-en_US.UTF-8}"
what="${3:-window}"
example="${4:-main-belt}"
[ "$example" = none ] && example=""
case "$what" in
window) output="${2:-docs/screenshot.png}" ;;
preview) output="${2:-docs/preview.png}" ;;
*) echo "screenshot: say window or preview, not $what" >&2; exit 2 ;;
esac

make build >/dev/null
mkdir -p "$(dirname "$output")"
xvfb-run -a -s "-screen 0 1920x1080x24" \
    env LC_ALL="$locale" LANG="$locale" QT_QPA_PLATFORM=xcb \
    build/tests/screenshot "$output" "$what" $example
echo "screenshot: wrote $output ($locale, $what${example:+, $example})"
