#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes NEWS in the changelog format that Debian requires of a package's
# changelog.gz: one entry per release, newest first, its text indented, and a
# trailer with the maintainer and the release date. A release still marked
# "(unreleased)" is dated with the given time (seconds since 1970, UTC) and
# goes to the distribution UNRELEASED.
# Usage: changelog-from-news.sh NEWS PACKAGE MAINTAINER UNRELEASED_TIME OUTPUT
set -eu

news=$1
package=$2
maintainer=$3
unreleased_time=$4
output=$5

# A failed run leaves no output behind for the build to take as done.
rm -f "$output"
LC_ALL=C awk -v package="$package" -v maintainer="$maintainer" -v now="$unreleased_time" '
function fail(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message > "/dev/stderr"
    failed = 1
    exit 1
}
function rfc2822(when,   command, text) {
    command = "date -u -d \"" when "\" \"+%a, %d %b %Y %H:%M:%S +0000\""
    text = ""
    command | getline text
    close(command)
    if (text == "")
        fail("cannot read the date " when)
    return text
}
function close_entry() {
    if (version == "")
        return
    # Trailing empty lines belong to no entry.
    while (count > 0 && body[count] == "")
        count--
    if (count == 0)
        fail("release " version " lists no changes")
    printf "%s (%s) %s; urgency=medium\n\n", package, version, distribution
    for (i = 1; i <= count; i++)
        print (body[i] == "" ? "" : "  " body[i])
    printf "\n -- %s  %s\n", maintainer, date
    count = 0
}
# A release heading, underlined with "=" on the next line.
/^Beltwright [^ ]+ \(.*\)$/ {
    close_entry()
    if (entries++ > 0)
        print ""
    version = $2
    when = $0
    sub(/^[^(]*\(/, "", when)
    sub(/\)$/, "", when)
    if (when == "unreleased") {
        distribution = "UNRELEASED"
        date = rfc2822("@" now)
    } else if (when ~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/) {
        distribution = "unstable"
        date = rfc2822(when " 00:00:00")
    } else {
        fail("the release date must be YYYY-MM-DD or unreleased, not \"" when "\"")
    }
    underline = 1
    next
}
underline && /^=+$/ { underline = 0; next }
{ underline = 0 }
version == "" {
    if ($0 != "")
        fail("text before the first release heading (Beltwright VERSION (DATE))")
    next
}
# Leading empty lines belong to no entry.
count == 0 && $0 == "" { next }
{ body[++count] = $0 }
END {
    if (failed)
        exit 1
    if (entries == 0)
        fail("no release heading (Beltwright VERSION (DATE))")
    close_entry()
}
' "$news" >"$output.new" || {
    rm -f "$output.new"
    exit 1
}
mv "$output.new" "$output"
