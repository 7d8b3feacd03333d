#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a scratch folder and checks its name, its
# control fields, that it carries the same files as `cmake --install`, and
# that lintian has nothing to say about it.
# Usage: check_package.sh BUILD_DIR VERSION
set -u

build=$1
version=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

arch=$(dpkg --print-architecture)
deb=$scratch/out/beltwright_${version}_$arch.deb
if [ ! -f "$deb" ]; then
    echo "FAIL: no beltwright_${version}_$arch.deb; cpack wrote: $(ls "$scratch/out")" >&2
    exit 1
fi

[ "$(dpkg-deb -f "$deb" Package)" = beltwright ] || fail "Package is $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] ||
    fail "Architecture is $(dpkg-deb -f "$deb" Architecture)"

# The libraries come from dpkg-shlibdeps; the font is ours to name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libstdc++6 libqt5core5a libqt5gui5 libqt5widgets5 fonts-dejavu-core; do
    echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//' | grep -q "^$package\( \|$\)" ||
        fail "Depends lacks $package: $depends"
done

# Same files as a plain install under /usr.
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null 2>&1 ||
    fail "cmake --install"
installed=$(cd "$scratch/root" && find . ! -type d | LC_ALL=C sort)
packaged=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort)
if [ "$packaged" != "$installed" ]; then
    printf '%s\n' "$installed" >"$scratch/installed"
    printf '%s\n' "$packaged" >"$scratch/packaged"
    fail "the package differs from the install tree (- installed, + packaged):
$(diff -u "$scratch/installed" "$scratch/packaged" | tail -n +3)"
fi

# Owned by root and writable by root alone, whatever the builder's umask.
listing=$(dpkg-deb -c "$deb")
bad=$(echo "$listing" | awk '$2 != "root/root" || substr($1, 6, 1) == "w" || substr($1, 9, 1) == "w"')
[ -z "$bad" ] || fail "entries with other owners or group/world write:
$bad"

# Any error or warning, and any other remark lintian prints by default, fails.
# lintian warns when run as root, so root runs it as nobody, on a copy of the
# package that nobody may read.
if ! command -v lintian >/dev/null 2>&1; then
    fail "lintian is missing: run scripts/install-deps.sh"
else
    chmod 755 "$scratch"
    mkdir -m 755 "$scratch/lint"
    cp "$deb" "$scratch/lint/"
    chmod 644 "$scratch/lint/$(basename "$deb")"
    as_user=""
    if [ "$(id -u)" -eq 0 ]; then
        as_user="setpriv --reuid=nobody --regid=$(id -g nobody) --clear-groups"
    fi
    if ! report=$(cd "$scratch/lint" && $as_user env HOME="$scratch/lint" \
        lintian "$scratch/lint/$(basename "$deb")" 2>&1) || [ -n "$report" ]; then
        fail "lintian on $(basename "$deb"):
$report"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$(basename "$deb"): Depends: $depends"
