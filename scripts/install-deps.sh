#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing and packaging need, or
# the ones named as arguments. Does nothing when they are all there; runs apt
# as root or through sudo. --foreign-arch ARCH first lets dpkg take another
# architecture's packages (the arm64 cross check uses it).
#   install-deps.sh [--foreign-arch ARCH] [PACKAGE...]
set -eu

arch=""
if [ "${1:-}" = "--foreign-arch" ]; then
    arch=$2
    shift 2
fi

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
[ $# -gt 0 ] && PACKAGES="$*"

foreign=true
[ -z "$arch" ] || dpkg --print-foreign-architectures | grep -qx "$arch" || foreign=false

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
    echo "install-deps: these packages are missing:$missing" >&2
    $foreign || echo "install-deps: and dpkg does not yet take $arch packages." >&2
    echo "install-deps: run this script as root, or install sudo." >&2
    exit 1
fi

if ! $foreign; then
    echo "install-deps: adding the $arch architecture to dpkg"
    $as_root dpkg --add-architecture "$arch"
fi
echo "install-deps: installing$missing"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086 # one word per package
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
