#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the arm64 build and its check need (make cross-check): the
# cross compiler, qemu's user-mode emulator and the arm64 libraries the core
# links. Does nothing when they are all there; runs apt as root or through sudo.
set -eu

ARCH=arm64
PACKAGES="
crossbuild-essential-arm64
qemu-user
libmpfr-dev:arm64
libgmp-dev:arm64
"

foreign=true
dpkg --print-foreign-architectures | grep -qx "$ARCH" || foreign=false

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && $foreign && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-cross-deps: these packages are missing:$missing" >&2
    $foreign || echo "install-cross-deps: and dpkg does not yet take $ARCH packages." >&2
    echo "install-cross-deps: run this script as root, or install sudo." >&2
    exit 1
fi

# The arm64 libraries come from Debian's multiarch packages.
if ! $foreign; then
    echo "install-cross-deps: adding the $ARCH architecture to dpkg"
    $as_root dpkg --add-architecture "$ARCH"
fi
echo "install-cross-deps: installing$missing"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086 # one word per package
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
