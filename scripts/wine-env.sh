# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by every script that starts wine: the 64-bit loader and server,
# called directly. /usr/bin/wine prefers the 32-bit loader whenever one is
# installed, and many machines cannot execute 32-bit programs at all; ours
# are all 64-bit, so nothing here needs one.
WINELOADER=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
export WINELOADER WINESERVER
if [ ! -x "$WINELOADER" ] || [ ! -x "$WINESERVER" ]; then
    echo "wine: no 64-bit wine in /usr/lib/wine; run scripts/install-windows-deps.sh" >&2
    exit 1
fi

# The machine a Windows program is built for, from its PE header: x86-64,
# i386, or what the header holds ("not a Windows program" without one).
pe_machine() {
    [ "$(od -An -c -N2 "$1" 2>/dev/null | tr -d ' ')" = MZ ] || { echo "not a Windows program"; return; }
    offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    [ "$(od -An -c -j"$offset" -N4 "$1" | tr -d ' ')" = 'PE\0\0' ] ||
        { echo "not a Windows program"; return; }
    case $(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ') in
    8664) echo x86-64 ;;
    014c) echo i386 ;;
    *) echo "machine 0x$(od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' ')" ;;
    esac
}

# Refuses, before wine starts it, a program file that is not a 64-bit one.
require_64_bit() {
    machine=$(pe_machine "$1")
    if [ "$machine" != x86-64 ]; then
        echo "wine: $1 is $machine, not an x86-64 program; only 64-bit programs are run here" >&2
        exit 126
    fi
}
