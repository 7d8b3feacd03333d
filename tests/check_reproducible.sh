#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice, from two clones of the current commit in
# folders of different names and depths, compiled under different umasks and
# time zones, and checks that the two packages are the same bytes. On a
# difference it names the archive members and files that differ.
# Usage: check_reproducible.sh SOURCE_DIR [JOBS]
set -u

source=$1
jobs=${2:-2}

if ! commit=$(git -C "$source" rev-parse --verify -q HEAD); then
    echo "not a git checkout: nothing to clone; skipped"
    exit 77
fi
if [ -n "$(git -C "$source" status --porcelain --untracked-files=no)" ]; then
    echo "note: uncommitted changes are not built; this checks commit $commit"
fi
# The package's times must come from the commit, not from the caller.
unset SOURCE_DATE_EPOCH

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# build_package FOLDER UMASK TZ: clone, configure, build, package; the .deb
# path on standard output.
build_package() {
    folder=$1
    mkdir -p "$folder"
    log=$folder/log
    (
        umask "$2"
        export TZ="$3"
        git clone --quiet --no-checkout "$source" "$folder/src" &&
            git -C "$folder/src" checkout --quiet --detach "$commit" &&
            cmake -S "$folder/src" -B "$folder/build" -DCMAKE_BUILD_TYPE=Release \
                -DBUILD_TESTING=OFF &&
            cmake --build "$folder/build" -j "$jobs" &&
            # cpack gives the .deb's members the modes its own files were
            # created with; make package runs it under this umask.
            (umask 022 && cpack --config "$folder/build/CPackConfig.cmake" -B "$folder/out")
    ) >"$log" 2>&1 || {
        tail -n 30 "$log" >&2
        echo "FAIL: building the package in $folder" >&2
        return 1
    }
    ls "$folder"/out/*.deb
}

start=$(date +%s)
first=$(build_package "$scratch/a" 022 UTC) || exit 1
second=$(build_package "$scratch/second/clone" 002 Pacific/Kiritimati) || exit 1
took=$(($(date +%s) - start))

if cmp -s "$first" "$second"; then
    echo "$(basename "$first"): the same $(wc -c <"$first") bytes from both clones (${took} s)"
    exit 0
fi

echo "FAIL: the two builds of $(basename "$first") differ" >&2
for side in a b; do
    mkdir "$scratch/$side.ar" "$scratch/$side.data"
done
(cd "$scratch/a.ar" && ar x "$first")
(cd "$scratch/b.ar" && ar x "$second")
ar tv "$first" >"$scratch/a.members"
ar tv "$second" >"$scratch/b.members"
diff "$scratch/a.members" "$scratch/b.members" >&2
for member in $(ar t "$first"); do
    cmp -s "$scratch/a.ar/$member" "$scratch/b.ar/$member" || echo "  member $member differs" >&2
done
data=$(ar t "$first" | grep '^data\.tar')
tar -tvf "$scratch/a.ar/$data" >"$scratch/a.list"
tar -tvf "$scratch/b.ar/$data" >"$scratch/b.list"
diff "$scratch/a.list" "$scratch/b.list" >&2
tar -xf "$scratch/a.ar/$data" -C "$scratch/a.data"
tar -xf "$scratch/b.ar/$data" -C "$scratch/b.data"
(cd "$scratch/a.data" && find . -type f) | while IFS= read -r file; do
    cmp -s "$scratch/a.data/$file" "$scratch/b.data/$file" || echo "  file $file differs" >&2
done
exit 1
