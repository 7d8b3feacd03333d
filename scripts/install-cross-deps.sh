#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the arm64 build and its check need (make cross-check): the
# cross compiler, qemu's user-mode emulator and the arm64 libraries the core
# links, from Debian's multiarch packages.
set -eu
exec sh "$(dirname "$0")/install-deps.sh" --foreign-arch arm64 \
    crossbuild-essential-arm64 qemu-user libmpfr-dev:arm64 libgmp-dev:arm64
