#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The system calls of a save, in order, as strace sees them: writeback of the
# text starts while it is written, every sync of the text (some on a helper
# thread while more is written) ends before the unnamed text gets a name and
# is renamed over the target, and the directory is
# synced after it; a device, a named pipe or standard output is never synced.
#   check_sync.sh BELTWRIGHT_CLI
set -u

cli=$1
if ! command -v strace >/dev/null 2>&1 || ! strace -o /dev/null true 2>/dev/null; then
    echo "check_sync: strace is missing or may not trace here; skipped"
    exit 77
fi

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs the program under strace; the log keeps only the calls that matter.
traced() {
    log=$1
    shift
    strace -f -qq -y -o "$log" \
        -e trace=fsync,fdatasync,sync_file_range,rename,renameat,renameat2,link,linkat "$cli" "$@"
}

# Line number of the first line matching an extended regular expression; 0 if none.
first() { grep -n -E "$2" "$1" | head -n 1 | cut -d: -f1 | grep . || echo 0; }
last() { grep -n -E "$2" "$1" | tail -n 1 | cut -d: -f1 | grep . || echo 0; }
count() { grep -c -E "$2" "$1"; }

# A regular file replaced: 100000 bodies are some 55 MiB, enough for the
# helper thread to sync once while the text is written.
options="--preset vulcanoids --number 100000 --seed 1 -q"
echo "an earlier catalogue" >"$dir/belt.sc"
# shellcheck disable=SC2086 # one word per option
traced "$dir/file.log" $options -o "$dir/belt.sc" || fail "the save under strace failed"
# shellcheck disable=SC2086
"$cli" $options | cmp -s - "$dir/belt.sc" || fail "the file is not the catalogue"

# The text goes to a file without a name, which strace shows by its inode.
temp="<$dir/#[0-9]+>\\(deleted\\)"
writeback=$(count "$dir/file.log" "sync_file_range\\([0-9]+$temp, .*SYNC_FILE_RANGE_WRITE")
lastWriteback=$(last "$dir/file.log" "sync_file_range\\(")
# A sync on the helper thread may show as an unfinished call and its end.
tempSyncs=$(count "$dir/file.log" "f(data)?sync\\([0-9]+$temp")
lastTempSync=$(last "$dir/file.log" "f(data)?sync\\([0-9]+$temp|f(data)?sync resumed")
link=$(first "$dir/file.log" "linkat\\(.*\\.tmp\"")
rename=$(first "$dir/file.log" "rename(at2?)?\\(.*\\.tmp\", [0-9]+<$dir>, \"belt\\.sc\"")
dirSync=$(first "$dir/file.log" "fsync\\([0-9]+<$dir>\\)")
[ "$writeback" -ge 2 ] || fail "writeback was started $writeback times, expected several"
[ "$tempSyncs" -ge 2 ] || fail "the temporary file was synced $tempSyncs times, expected 2 or more"
[ "$rename" -gt 0 ] || fail "no rename over the target"
[ "$dirSync" -gt 0 ] || fail "the directory was not synced"
[ "$lastWriteback" -lt "$lastTempSync" ] || fail "writeback started after the last data sync"
[ "$link" -gt 0 ] || fail "the text was not given a temporary name"
[ "$lastTempSync" -lt "$link" ] || fail "a data sync does not end before the text gets a name"
[ "$link" -lt "$rename" ] || fail "the rename does not come after the naming"
[ "$rename" -lt "$dirSync" ] || fail "the directory sync does not come after the rename"
[ "$(count "$dir/file.log" "f(data)?sync\\(")" -eq $((tempSyncs + 1)) ] ||
    fail "syncs of something other than the text and its directory"

# Devices, pipes and standard output are written as they are, never synced.
syncs="f(data)?sync\\(|sync_file_range\\("
# shellcheck disable=SC2086
traced "$dir/null.log" $options -o /dev/null || fail "the save to /dev/null failed"
[ "$(count "$dir/null.log" "$syncs")" -eq 0 ] || fail "a save to /dev/null synced"

mkfifo "$dir/pipe"
cat "$dir/pipe" >"$dir/received" &
# shellcheck disable=SC2086
traced "$dir/fifo.log" $options -o "$dir/pipe" || fail "the save to a named pipe failed"
wait
cmp -s "$dir/received" "$dir/belt.sc" || fail "the named pipe did not carry the catalogue"
[ "$(count "$dir/fifo.log" "$syncs")" -eq 0 ] || fail "a save to a named pipe synced"

# shellcheck disable=SC2086
traced "$dir/stdout.log" $options | cat >/dev/null || fail "the save to standard output failed"
[ "$(count "$dir/stdout.log" "$syncs")" -eq 0 ] || fail "a save to standard output synced"

if [ "$failures" -gt 0 ]; then
    echo "--- calls of the file save:"
    cat "$dir/file.log"
    exit 1
fi
echo "check_sync: the save's system calls are in order"
