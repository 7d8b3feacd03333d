#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows build under wine, on the display the caller provides
# (make windows-check runs it in xvfb-run):
#   1. its catalogues equal this machine's, byte for byte, with every
#      distribution of the draws (samebytes.py lists the belts);
#   2. its test programs pass;
#   3. its preview pictures show what this machine's do;
#   4. its programs, run again and again, neither crash nor hang
#      (stress_windows.sh);
#   5. the installer, a 64-bit program, installs silently into the 64-bit
#      program folder and registry view, the installed beltwright-cli.exe
#      answers --version, a .belt file opens in the window, and the
#      uninstaller removes it all again;
#   6. the window starts and stays up.
# Only the 64-bit wine runs (scripts/wine-env.sh): a program that is not
# x86-64 stops the check before it starts.
#   check_windows.sh LINUX-WRITEBELT LINUX-BELTWRIGHT-CLI WINDOWS-BUILD-DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../scripts/wine-env.sh"
linux_writebelt=$1
linux_cli=$2
build=$(cd "$3" && pwd)
run="$here/../scripts/wine-run.sh"
WINEPREFIX=$build/wine
export WINEPREFIX
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

setup=$build/beltwright-$version-win64-setup.exe
echo "== every Windows program is x86-64 (wine: $WINELOADER)"
for program in "$build"/src/app/beltwright.exe "$build"/src/cli/beltwright-cli.exe \
    "$build"/tests/*.exe "$setup"; do
    require_64_bit "$program"
done
echo "ok   $(ls "$build"/src/app/*.exe "$build"/src/cli/*.exe "$build"/tests/*.exe "$setup" | wc -l) programs"

echo "== a 32-bit program is refused before wine starts"
probe=$(mktemp -d)
printf 'Target x86-unicode\nOutFile "%s"\nSection\nSectionEnd\n' "$probe/x86.exe" >"$probe/x86.nsi"
makensis -V1 "$probe/x86.nsi" >/dev/null
status=0
answer=$("$run" "$probe/x86.exe" /S 2>&1) || status=$?
if [ "$status" = 126 ] && [ "${answer#*is i386, not an x86-64 program}" != "$answer" ]; then
    echo "ok   refused: $answer"
else
    fail "a 32-bit program was not refused (exit status $status: $answer)"
fi
rm -rf "$probe"

echo "== wine prefix $WINEPREFIX"
"$run" cmd /c exit 0 >/dev/null 2>&1 || true

echo "== same catalogues as this machine's build"
python3 "$here/tools/samebytes.py" --more-seeds --right-emulator "$run" \
    "$linux_writebelt" "$build/tests/writebelt.exe" || fail "catalogues differ"

echo "== test programs"
(cd "$build" && ctest --output-on-failure) || fail "test programs"

echo "== the preview pictures as on this machine"
pictures=$(mktemp -d)
for options in "--preset vulcanoids --seed 5489" "--preset ebelt-em --number 20000 --seed 7" \
    "--example main-belt" "--example jupiter-trojans --number 3000"; do
    echo "beltwright-cli --preview $options"
    # shellcheck disable=SC2086
    "$linux_cli" -q $options --preview "$pictures/linux.png" &&
        "$run" "$build/src/cli/beltwright-cli.exe" -q $options --preview "$pictures/windows.png" &&
        /usr/bin/python3 "$here/tools/samepicture.py" "$pictures/linux.png" "$pictures/windows.png" ||
        fail "the picture of $options differs"
done
rm -rf "$pictures"

echo "== stress"
sh "$here/stress_windows.sh" "$linux_cli" "$build" || fail "stress runs"

echo "== silent install"
# The default folder: wine quotes arguments, and NSIS takes /D= only unquoted.
unix_target=$WINEPREFIX/drive_c/Program\ Files/Beltwright
"$run" "$setup" /S
"$WINESERVER" -w
answer=$("$run" "$unix_target/beltwright-cli.exe" --version 2>&1 | tr -d '\r') || true
if [ "$answer" = "beltwright-cli $version" ]; then
    echo "ok   installed beltwright-cli.exe --version: $answer"
else
    fail "installed beltwright-cli.exe --version said '$answer'"
fi
key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Beltwright'
if grep -A8 "^\[$key\]" "$WINEPREFIX/system.reg" | grep -q "\"DisplayVersion\"=\"$version\""; then
    echo "ok   uninstaller registered"
else
    fail "no uninstaller registered for version $version"
fi
if grep -q '^\[Software\\\\Wow6432Node\\\\.*Beltwright' "$WINEPREFIX/system.reg"; then
    fail "the installer wrote the 32-bit registry view"
fi
# A recipe opens in the window when double-clicked.
if grep -F -A6 '[Software\\Classes\\.belt]' "$WINEPREFIX/system.reg" |
    grep -qF '@="Beltwright.Recipe"' &&
    grep -F -A6 '[Software\\Classes\\Beltwright.Recipe\\shell\\open\\command]' \
        "$WINEPREFIX/system.reg" | grep -qF 'beltwright.exe\" \"%1\"'; then
    echo "ok   .belt opens in the window"
else
    fail "no .belt association to the window"
fi
# The installed example is the one the programs carry: the same belt.
belts=$(mktemp -d)
"$run" "$unix_target/beltwright-cli.exe" -q --recipe 'C:\Program Files\Beltwright\examples\hildas.belt' \
    --number 300 -o "$belts/installed.sc" &&
    "$run" "$unix_target/beltwright-cli.exe" -q --example hildas --number 300 -o "$belts/carried.sc" &&
    cmp -s "$belts/installed.sc" "$belts/carried.sc" &&
    echo "ok   installed example makes the carried example's belt" ||
    fail "installed example missing or not the carried one"
rm -rf "$belts"
[ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Beltwright.lnk" ] &&
    echo "ok   Start-menu entry" || fail "no Start-menu entry"
"$run" "$unix_target/uninstall.exe" /S
"$WINESERVER" -w
# The uninstaller copies itself away and finishes in the background.
for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ -e "$unix_target/beltwright.exe" ] || break
    sleep 1
done
[ ! -e "$unix_target/beltwright.exe" ] && [ ! -e "$unix_target/examples" ] &&
    echo "ok   uninstalled" || fail "uninstall left the programs or the examples"
# The registry reaches system.reg once the server has ended.
"$WINESERVER" -w
if grep -q "^\[$key\]" "$WINEPREFIX/system.reg"; then
    fail "uninstall left the Apps entry"
else
    echo "ok   Apps entry removed"
fi
if grep -qF -e '[Software\\Classes\\.belt]' -e '[Software\\Classes\\Beltwright.Recipe' \
    "$WINEPREFIX/system.reg"; then
    fail "uninstall left the .belt association"
else
    echo "ok   .belt association removed"
fi

echo "== the window starts and stays up"
"$run" "$build/src/app/beltwright.exe" &
window=$!
sleep 10
if kill -0 "$window" 2>/dev/null; then
    echo "ok   window up after 10 s"
else
    wait "$window" || true
    fail "the window ended within 10 s"
fi
"$WINESERVER" -k || true
wait "$window" 2>/dev/null || true

if [ "$failures" -gt 0 ]; then
    echo "check_windows: $failures checks failed"
    exit 1
fi
echo "check_windows: all passed"
