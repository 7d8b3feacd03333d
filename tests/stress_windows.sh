#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Windows programs under wine again and again, the way a fault at
# thread exit shows (now and then, depending on timing), on the display the
# caller provides:
#   1. beltwright-cli.exe: small belts of every preset to a file, to standard
#      output and with a picture; belts of 20,000 and 1,000,000 bodies, which
#      take every worker thread; and 1,000,000-body runs stopped half-way with
#      Ctrl-C, which must leave the old file and nothing else;
#   2. the command line's test program (the cases that crashed) again and again;
#   3. the window started, used for a run and its preview, and closed.
# Every catalogue must equal the one this machine's beltwright-cli writes.
# Prints the counts; exits 1 on any crash, hang or difference.
#   stress_windows.sh LINUX-BELTWRIGHT-CLI WINDOWS-BUILD-DIR
# The counts (defaults in brackets; 89 runs took 8 minutes here on two cores
# busy with two other builds, so CI's idle run should need about four):
# STRESS_SMALL [60] STRESS_MEDIUM [8] STRESS_LARGE [2] STRESS_STOPPED [4]
# STRESS_TESTS [10] STRESS_WINDOW [5]; 0 leaves a part out.
set -u
here=$(cd "$(dirname "$0")" && pwd)
linux_cli=$1
build=$(cd "$2" && pwd)
run="$here/../scripts/wine-run.sh"
: "${WINEPREFIX:=$build/wine}"
export WINEPREFIX
cli=$build/src/cli/beltwright-cli.exe
small=${STRESS_SMALL:-60} medium=${STRESS_MEDIUM:-8} large=${STRESS_LARGE:-2}
stopped=${STRESS_STOPPED:-4} tests=${STRESS_TESTS:-10} windows=${STRESS_WINDOW:-5}
work=$(mktemp -d "${TMPDIR:-/tmp}/stress_windows.XXXXXX")
trap 'rm -rf "$work"' EXIT
started=$(date +%s)
runs=0 crashes=0 hangs=0 different=0 failures=0

# Runs a Windows program with a time limit; counts a crash (an exit status
# other than those the programs give) or a hang. Its exit status is in $status.
windows_run() {
    runs=$((runs + 1))
    timeout 120 "$run" "$@"
    status=$?
    case $status in
    0 | 1 | 2) ;;
    124) hangs=$((hangs + 1)); echo "HANG $*" ;;
    *) crashes=$((crashes + 1)); echo "CRASH (exit status $status) $*" ;;
    esac
}

# The digest of the catalogue this machine's program writes for the options.
reference() {
    key=$(echo "$*" | tr ' ' '_')
    if [ ! -f "$work/ref.$key" ]; then
        "$linux_cli" -q "$@" -o "$work/ref.sc" && sha256sum <"$work/ref.sc" >"$work/ref.$key"
        rm -f "$work/ref.sc"
    fi
    cat "$work/ref.$key"
}

# Compares a Windows catalogue with this machine's for the same options.
same_as_linux() {
    file=$1
    shift
    if [ "$(sha256sum <"$file")" != "$(reference "$@")" ]; then
        different=$((different + 1))
        echo "DIFFERENT $*"
    fi
    rm -f "$file"
}

presets="vulcanoids oort-cloud toliman-a-comets ebelt-em"
echo "== beltwright-cli.exe: $small small belts, $medium of 20,000 and $large of 1,000,000 bodies"
i=0
while [ $i -lt "$small" ]; do
    set -- $presets
    shift $((i % 4))
    options="--preset $1 --seed $((i / 4 % 10))"
    case $((i / 4 % 3)) in
    0) windows_run "$cli" -q $options -o "$work/out.sc" ;;
    1) windows_run "$cli" -q $options >"$work/out.sc" ;;
    2) windows_run "$cli" -q $options -o "$work/out.sc" --preview "$work/out.png" ;;
    esac
    [ "$status" = 0 ] && same_as_linux "$work/out.sc" $options
    i=$((i + 1))
done
i=0
while [ $i -lt "$medium" ]; do
    options="--preset ebelt-em --number 20000 --seed $((i % 3))"
    if [ $((i % 2)) = 0 ]; then
        windows_run "$cli" -q $options -o "$work/out.sc"
    else
        windows_run "$cli" -q $options >"$work/out.sc"
    fi
    [ "$status" = 0 ] && same_as_linux "$work/out.sc" $options
    i=$((i + 1))
done
i=0
while [ $i -lt "$large" ]; do
    options="--preset vulcanoids --number 1000000 --seed $((i % 2))"
    windows_run "$cli" -q $options -o "$work/out.sc"
    [ "$status" = 0 ] && same_as_linux "$work/out.sc" $options
    i=$((i + 1))
done

echo "== $stopped runs of 1,000,000 bodies stopped half-way with Ctrl-C"
# Wine turns a SIGINT to a Windows process into the CTRL_C_EVENT that Ctrl-C
# in its console gives (GenerateConsoleCtrlEvent reaches no other process
# under wine 8). The program runs under a name of its own, so that its
# process is found by that name.
mkdir "$work/stop" "$work/bin"
stopper=$work/bin/stopped-run-$$.exe
cp "$cli" "$stopper"
old="a catalogue from an earlier run"
i=0 kept=0
while [ $i -lt "$stopped" ]; do
    echo "$old" >"$work/stop/belt.sc"
    runs=$((runs + 1))
    "$run" "$stopper" -q --preset ebelt-em --number 1000000 --seed $i -o "$work/stop/belt.sc" &
    starter=$!
    # Half-way: once the temporary file holds 8 MiB of the catalogue.
    waited=0
    while [ $waited -lt 1200 ] && kill -0 $starter 2>/dev/null; do
        [ -n "$(find "$work/stop" -name '.belt-*.tmp' -size +8M)" ] && break
        sleep 0.05
        waited=$((waited + 1))
    done
    program=$(pgrep -f "stopped-run-$$.exe" | grep -vx $starter | head -n 1)
    [ -n "$program" ] && kill -INT "$program"
    wait $starter
    status=$?
    left=$(ls -A "$work/stop" | tr '\n' ' ')
    # 58: the low byte of STATUS_CONTROL_C_EXIT, the status of a console
    # program ended by Ctrl-C.
    if [ "$status" = 58 ] && [ "$(cat "$work/stop/belt.sc")" = "$old" ] && [ "$left" = "belt.sc " ]; then
        kept=$((kept + 1))
    else
        case $status in 0 | 1 | 2 | 58) failures=$((failures + 1)) ;; *) crashes=$((crashes + 1)) ;; esac
        echo "FAIL stopped run $i: exit status $status, left: $left"
    fi
    rm -f "$work/stop"/.belt-*.tmp
    i=$((i + 1))
done
echo "stopped runs that kept the old file and left no temporary file: $kept of $stopped"

# The cases in which the test program's runs of beltwright-cli.exe crashed.
cases="oort-cloud/0 oort-cloud/4294967295 ebelt-em/0 toliman-a-comets/4294967295"
set --
for case in $cases; do
    set -- "$@" "fileEqualsCoreAndStandardOutput:$case"
done
echo "== tst_cli.exe, its catalogue cases $cases, $tests times in a row"
i=0 passed=0
while [ $i -lt "$tests" ]; do
    runs=$((runs + 1))
    timeout 300 "$run" "$build/tests/tst_cli.exe" "$@" >"$work/tst_cli.log" 2>&1
    status=$?
    # A test program that ends by itself prints its totals; one that crashed does not.
    if [ "$status" = 0 ]; then
        passed=$((passed + 1))
    else
        if [ "$status" = 124 ]; then
            hangs=$((hangs + 1))
        elif grep -q "^Totals:" "$work/tst_cli.log"; then
            failures=$((failures + 1))
        else
            crashes=$((crashes + 1))
        fi
        # The whole output: the next failure names its case and what it saw.
        echo "FAIL tst_cli.exe run $((i + 1)), exit status $status; its output:"
        tr -d '\r' <"$work/tst_cli.log" | sed 's/^/    /'
    fi
    i=$((i + 1))
done
echo "tst_cli.exe: passed $passed of $tests runs"

echo "== the window: started, a run of 20,000 bodies, its preview, closed; $windows times"
i=0 done_runs=0
while [ $i -lt "$windows" ]; do
    windows_run "$build/tests/windowrun.exe" "$work/window.sc" 20000 5489
    if [ "$status" = 0 ]; then
        done_runs=$((done_runs + 1))
        same_as_linux "$work/window.sc" --preset vulcanoids --number 20000 --seed 5489
    elif [ "$status" = 1 ] || [ "$status" = 2 ]; then
        failures=$((failures + 1))
        echo "FAIL window run $((i + 1))"
    fi
    rm -f "$work/window.sc"
    i=$((i + 1))
done
echo "window runs completed: $done_runs of $windows"

echo "stress: $runs runs in $(($(date +%s) - started)) s: $crashes crashed, $hangs hung," \
    "$different catalogues differed, $failures other failures"
[ $((crashes + hangs + different + failures)) = 0 ]
