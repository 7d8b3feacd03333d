#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR under /usr, as the package does,
# and checks that exactly the expected files are there and that the desktop
# entry, the metadata, the icons and the manual page are usable.
# Usage: check_install.sh BUILD_DIR VERSION APP_ID
set -u

build=$1
version=$2
id=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log" >&2
    rm -f "$root.log"
    echo "FAIL: cmake --install" >&2
    exit 1
fi
rm -f "$root.log"
usr=$root/usr

# Every file we ship, and nothing else: a stray test program or a renamed icon
# shows up here as well as a missing file.
expected=$(
    {
        echo usr/bin/beltwright
        echo usr/bin/beltwright-cli
        echo "usr/share/applications/$id.desktop"
        echo "usr/share/metainfo/$id.metainfo.xml"
        echo "usr/share/mime/packages/$id.xml"
        for size in 16 32 48 64 128 256; do
            echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"
        done
        echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
        echo usr/share/man/man1/beltwright-cli.1.gz
        echo usr/share/man/man1/beltwright.1.gz
        echo usr/share/doc/beltwright/copyright
        echo usr/share/doc/beltwright/changelog.gz
        echo usr/share/doc/beltwright/looks.md
        for example in main-belt jupiter-trojans hildas kuiper-belt; do
            echo "usr/share/doc/beltwright/examples/$example.belt"
        done
    } | LC_ALL=C sort
)
installed=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$expected" ]; then
    fail "installed files differ from the expected ones (- expected, + installed):"
    printf '%s\n' "$expected" >"$root/.expected"
    printf '%s\n' "$installed" >"$root/.installed"
    diff -u "$root/.expected" "$root/.installed" | tail -n +3 >&2
fi

for program in beltwright beltwright-cli; do
    [ -x "$usr/bin/$program" ] || fail "$program is not an executable file"
done
for program in beltwright beltwright-cli; do
    # The window, too, answers without a display.
    printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --version 2>&1)
    [ "$printed" = "$program $version" ] ||
        fail "installed $program --version printed '$printed'"
done

desktop=$usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    # The validator passes an entry with hints; we want none of those either.
    if ! remarks=$(desktop-file-validate "$desktop" 2>&1); then
        fail "desktop-file-validate rejects $id.desktop: $remarks"
    elif [ -n "$remarks" ]; then
        fail "desktop-file-validate has remarks on $id.desktop: $remarks"
    fi
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -n "$exec_program" ] && [ -x "$usr/bin/$exec_program" ] ||
        fail "the desktop entry starts '$exec_program', which is not installed in /usr/bin"
fi

# The recipes' type: the desktop's database built from it gives .belt files
# that type, and the desktop entry opens that type with the file it is given.
mime=$usr/share/mime/packages/$id.xml
if [ -f "$mime" ]; then
    type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
    xmllint --noout "$mime" 2>/dev/null || fail "$id.xml is not well-formed XML"
    mkdir -p "$root.mime/packages"
    cp "$mime" "$root.mime/packages/"
    if ! update-mime-database "$root.mime" >/dev/null 2>&1; then
        fail "update-mime-database rejects $id.xml"
    elif ! grep -qx "50:$type:\*\.belt" "$root.mime/globs2"; then
        fail "the type database does not give *.belt the type '$type'"
    fi
    rm -rf "$root.mime"
    grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not open $type"
    grep -q "^Exec=beltwright %f\$" "$desktop" || fail "the desktop entry does not pass the file"
fi

metainfo=$usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    # --strict: an info-level remark fails as well.
    report=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) ||
        fail "appstreamcli rejects $id.metainfo.xml: $report"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not launch $id.desktop"
    grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" "$metainfo" ||
        fail "the metadata has no dated release $version"
fi

# Each PNG must have the size of the folder it is in.
for size in 16 32 48 64 128 256; do
    icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$icon" ] || continue
    file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
        fail "${size}x$size icon is $(file -b "$icon")"
done
svg=$usr/share/icons/hicolor/scalable/apps/$id.svg
[ ! -f "$svg" ] || file -b "$svg" | grep -q "^SVG Scalable Vector Graphics image" ||
    fail "the scalable icon is $(file -b "$svg")"

# check_manual_page PROGRAM SECTION...: a section 1 page of this version with
# these sections.
check_manual_page() {
    program=$1
    shift
    manpage=$usr/share/man/man1/$program.1.gz
    [ -f "$manpage" ] || return
    if ! page=$(gzip -dc "$manpage"); then
        fail "the manual page of $program is not a gzip file"
        return
    fi
    title=$(echo "$program" | tr '[:lower:]' '[:upper:]')
    echo "$page" | grep -q "^\.TH $title \"1\" .*\"$program $version\"" ||
        fail "the manual page of $program has no section 1 title for version $version"
    for section in NAME SYNOPSIS OPTIONS '"EXIT STATUS"' '"SEE ALSO"' "$@"; do
        echo "$page" | grep -q "^\.SH $section\$" || fail "the manual page of $program has no $section"
    done
}
check_manual_page beltwright-cli EXAMPLES
check_manual_page beltwright DESCRIPTION LANGUAGES FILES
manpage=$usr/share/man/man1/beltwright-cli.1.gz
[ ! -f "$manpage" ] || gzip -dc "$manpage" | grep -qF '\-\-list\-presets' ||
    fail "the manual page of beltwright-cli does not list the options"

# The changelog is NEWS in Debian's format; its newest entry must be the
# version being built.
changelog=$usr/share/doc/beltwright/changelog.gz
if [ -f "$changelog" ]; then
    gzip -dc "$changelog" >"$root/changelog"
    newest=$(dpkg-parsechangelog -l "$root/changelog" -S Version 2>&1)
    [ "$newest" = "$version" ] || fail "the changelog's newest entry is '$newest', not $version"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed $(echo "$installed" | wc -l) files; all checks passed"
