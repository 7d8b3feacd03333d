#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the Windows programs link statically: Qt's base modules for
# win32-g++ (Core, Gui, Widgets, Test, the Windows platform plugin and style),
# GMP and MPFR, from Debian's source packages fetched through apt. apt runs
# with a private sources list and state, so the system's configuration stays
# as it is. The result lives outside the clone, in a folder named after the
# versions and options, and is built once:
#   build-windows-deps.sh            build unless complete, print progress
#   build-windows-deps.sh --prefix   print the folder the build installs into
# BELTWRIGHT_CACHE overrides the cache root (default ~/.cache/beltwright);
# BELTWRIGHT_DEBIAN_MIRROR the archive (default: the one the system's apt uses).
set -eu

QT_VERSION=5.15.8
GMP_VERSION=6.2.1
MPFR_VERSION=4.2.0
SUITE=bookworm
HOST=x86_64-w64-mingw32
# The archive this system's apt already takes its Debian packages from.
system_mirror() {
    { grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | sed 's/^URIs:[[:space:]]*//'
      grep -hs '^deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
          sed 's/\[[^]]*\]//' | awk '{print $2}'; } |
        tr ' ' '\n' | grep -v -e security -e '^$' | head -n 1
}
MIRROR=${BELTWRIGHT_DEBIAN_MIRROR:-$(system_mirror)}
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# Without the Wintab header (not in Debian's source) the platform plugin only
# builds without tablet events; the programs need no network, SQL or printing.
QT_OPTIONS="-opensource -confirm-license -release -static -static-runtime
-xplatform win32-g++ -device-option CROSS_COMPILE=$HOST-
-nomake examples -nomake tests -no-opengl -no-dbus -no-icu
-no-feature-tabletevent -no-feature-sql -no-feature-network -no-feature-printer
-qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype"
GMP_OPTIONS="--host=$HOST --disable-shared --enable-static"
MPFR_OPTIONS="--host=$HOST --disable-shared --enable-static"

compiler=$($HOST-g++-posix -dumpversion 2>/dev/null || echo none)
options_hash=$(printf '%s\n' "$QT_OPTIONS" "$GMP_OPTIONS" "$MPFR_OPTIONS" "$compiler" \
    | sha256sum | cut -c1-10)
root=${BELTWRIGHT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/beltwright}
key=win64-qt$QT_VERSION-gmp$GMP_VERSION-mpfr$MPFR_VERSION-$options_hash
dir=$root/$key
prefix=$dir/prefix

if [ "${1:-}" = "--prefix" ]; then
    echo "$prefix"
    exit 0
fi
if [ -f "$dir/complete" ]; then
    echo "windows-deps: reusing $dir"
    exit 0
fi
if [ "$compiler" = none ]; then
    echo "windows-deps: $HOST-g++-posix is missing; run scripts/install-windows-deps.sh" >&2
    exit 1
fi

start=$(date +%s)
say() {
    echo "windows-deps: [$(( ($(date +%s) - start) / 60 )) min] $*" >&2
}

mkdir -p "$dir"
# Another run that stopped half-way left a lock; one builder at a time.
exec 9>"$dir/lock"
if ! flock -n 9; then
    echo "windows-deps: another build of $dir is running; waiting for it"
    flock 9
    [ -f "$dir/complete" ] && exit 0
fi

# The posix flavour of the cross compiler under the plain names Qt and the
# autotools look for: std::thread needs it.
tools=$dir/toolbin
mkdir -p "$tools"
for tool in gcc g++ gcc-ar gcc-nm gcc-ranlib; do
    ln -sf "/usr/bin/$HOST-$tool-posix" "$tools/$HOST-$tool"
done
PATH=$tools:$PATH
export PATH

# apt with a state of its own: a deb-src entry for Debian's archive only.
apt_dir=$dir/apt
mkdir -p "$apt_dir/sources" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
cat >"$apt_dir/sources/debian.sources" <<EOF
Types: deb-src
URIs: $MIRROR
Suites: $SUITE $SUITE-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
private_apt() {
    apt-get -q -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/sources" \
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" \
        -o Debug::NoLocking=1 -o APT::Sandbox::User=root "$@"
}

src=$dir/src
mkdir -p "$src"
fetch() { # PACKAGE UPSTREAM-VERSION: unpacked with Debian's patches applied
    found=$(find "$src" -maxdepth 1 -type d -name "$1-$2*" | head -n 1)
    if [ -z "$found" ]; then
        say "fetching Debian's source of $1"
        (cd "$src" && private_apt source "$1" >"$dir/fetch-$1.log" 2>&1) || {
            tail -n 20 "$dir/fetch-$1.log" >&2
            exit 1
        }
        found=$(find "$src" -maxdepth 1 -type d -name "$1-$2*" | head -n 1)
        [ -n "$found" ] || { echo "windows-deps: $1 is not at version $2" >&2; exit 1; }
    fi
    echo "$found"
}

if [ ! -f "$apt_dir/updated" ]; then
    say "reading Debian's source index ($MIRROR $SUITE)"
    private_apt update >"$dir/apt-update.log" 2>&1 || { tail -n 20 "$dir/apt-update.log" >&2; exit 1; }
    touch "$apt_dir/updated"
fi

autotools_build() { # NAME SOURCE OPTIONS...
    name=$1 source=$2
    shift 2
    [ -f "$dir/$name.done" ] && return 0
    say "building $name (log: $dir/$name.log)"
    rm -rf "$dir/build-$name"
    mkdir -p "$dir/build-$name"
    (cd "$dir/build-$name" &&
        "$source/configure" --prefix="$prefix" "$@" &&
        make -j "$JOBS" && make install) >"$dir/$name.log" 2>&1 || {
        tail -n 30 "$dir/$name.log" >&2
        echo "windows-deps: building $name failed; see $dir/$name.log" >&2
        exit 1
    }
    touch "$dir/$name.done"
}

gmp_src=$(fetch gmp "$GMP_VERSION")
# Debian leaves GMP's manual out of the source and drops it from the build by
# a patch to the autotools input; the same change to the generated files
# spares running the autotools.
sed -i 's| doc/Makefile | |' "$gmp_src/configure"
sed -i 's|^\(SUBDIRS = .*\) doc$|\1|' "$gmp_src/Makefile.in"
# shellcheck disable=SC2086 # one word per option
autotools_build gmp "$gmp_src" $GMP_OPTIONS
mpfr_src=$(fetch mpfr4 "$MPFR_VERSION")
# shellcheck disable=SC2086
autotools_build mpfr "$mpfr_src" $MPFR_OPTIONS --with-gmp="$prefix"

qt_src=$(fetch qtbase-opensource-src "$QT_VERSION")
# The programs draw through the Windows platform plugin; its Direct2D variant
# would compile the same sources a second time for nothing.
sed -i '/SUBDIRS += direct2d/d' "$qt_src/src/plugins/platforms/platforms.pro"
if [ ! -f "$dir/qt.done" ]; then
    qt_build=$dir/build-qt
    if [ ! -f "$qt_build/configured" ]; then
        say "configuring Qt $QT_VERSION for win32-g++ (log: $dir/qt-configure.log)"
        rm -rf "$qt_build"
        mkdir -p "$qt_build"
        # shellcheck disable=SC2086
        (cd "$qt_build" && "$qt_src/configure" -prefix "$prefix" $QT_OPTIONS) \
            >"$dir/qt-configure.log" 2>&1 || {
            tail -n 30 "$dir/qt-configure.log" >&2
            exit 1
        }
        touch "$qt_build/configured"
    fi
    say "compiling Qt (log: $dir/qt.log); a dot for every 50 files"
    (cd "$qt_build" && make -j "$JOBS" && make install) 2>&1 | tee "$dir/qt.log" |
        awk '/-c .*\.(cpp|c)/ { if (++n % 50 == 0) { printf "."; fflush() } }
             END { if (n) printf "\n"; print n " files compiled" }'
    if ! [ -f "$prefix/lib/libQt5Widgets.a" ] || ! [ -f "$prefix/plugins/platforms/libqwindows.a" ]; then
        tail -n 30 "$dir/qt.log" >&2
        echo "windows-deps: building Qt failed; see $dir/qt.log" >&2
        exit 1
    fi
    touch "$dir/qt.done"
fi

{
    echo "built $(date -u +%Y-%m-%dT%H:%MZ) in $(( $(date +%s) - start )) s"
    echo "compiler $HOST-g++-posix $compiler"
    ls "$src"
} >"$dir/complete"
say "done: $prefix"
