#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the Windows programs, the licences (the program's and its font's), the
# NEWS, the read-me and the example recipes into beltwright-VERSION-win64.zip and into the NSIS
# installer beltwright-VERSION-win64-setup.exe, both in the build folder. Texts
# get Windows line ends; file times are the sources' time (SOURCE_DATE_EPOCH).
#   package-windows.sh SOURCE-DIR BUILD-DIR VERSION SOURCE-DATE-EPOCH
set -eu
source_dir=$1 build=$2 version=$3 epoch=$4
name=beltwright-$version
stage=$build/stage/$name
rm -rf "$build/stage"
mkdir -p "$stage"
cp "$build/src/app/beltwright.exe" "$build/src/cli/beltwright-cli.exe" "$stage/"
for text in COPYING:COPYING.txt COPYING.DejaVu:COPYING.DejaVu.txt NEWS:NEWS.txt resources/windows/README.txt:README.txt; do
    sed 's/$/\r/' "$source_dir/${text%%:*}" >"$stage/${text#*:}"
done
# The examples as the programs carry them, line ends and all.
mkdir -p "$stage/examples"
cp "$source_dir"/resources/examples/*.belt "$stage/examples/"
find "$build/stage" -exec touch -h -d "@$epoch" {} +

zip_file=$build/$name-win64.zip
rm -f "$zip_file"
(cd "$build/stage" && LC_ALL=C TZ=UTC zip -q -X -9 -r "$zip_file" "$name")
echo "package-windows: wrote $zip_file ($(du -k "$zip_file" | cut -f1) KiB)"

installed_kib=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 -DINSTALLED_KIB="$installed_kib" "$build/installer.nsi"
setup=$build/$name-win64-setup.exe
echo "package-windows: wrote $setup ($(du -k "$setup" | cut -f1) KiB)"
