#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the committed icons: the reset-epoch icon from scripts/reset_icon.py
# and the application icon's PNG sizes from resources/icons/beltwright.svg.
# Needs python3 and rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "make-icons: rsvg-convert is missing; install the Debian package librsvg2-bin." >&2
    exit 1
fi

python3 scripts/reset_icon.py resources/images/reset.png
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "resources/icons/beltwright-$size.png" resources/icons/beltwright.svg
done
echo "make-icons: wrote resources/images/reset.png and resources/icons/beltwright-*.png"
