#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing and packaging need.
# Does nothing when they are all there; runs apt as root or through sudo.
set -eu

PACKAGES="
build-essential
cmake
qtbase5-dev
qttools5-dev
qttools5-dev-tools
python3
xvfb
xauth
fonts-dejavu-core
help2man
desktop-file-utils
appstream
file
libmpfr-dev
python3-gmpy2
dpkg-dev
lintian
strace
"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-deps: these packages are missing:$missing" >&2
    echo "install-deps: run this script as root, or install sudo." >&2
    exit 1
fi

echo "install-deps: installing$missing"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086 # one word per package
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
