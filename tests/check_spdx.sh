#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file of the source tree lacks its licence line near the top, so
# that new sources, scripts and build files cannot slip in without it.
# Checks tracked files and new ones not yet added (ignored ones excepted).
# Usage: check_spdx.sh SOURCE_DIR
set -u

cd "$1" || exit 1
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "not a git checkout: the file list comes from git; skipped"
    exit 77
fi

missing=$(
    git ls-files --cached --others --exclude-standard | LC_ALL=C sort -u | while IFS= read -r file; do
        [ -f "$file" ] || continue # deleted, not yet staged
        case $file in
        # Files that cannot hold a comment, or that their tools rewrite without
        # one (lupdate drops comments from the translations); the copyright
        # file gives the licence of every file, these included.
        *.png | COPYING | COPYING.DejaVu | NEWS | README.md | resources/i18n/*.ts | resources/linux/copyright | \
        resources/windows/README.txt)
            continue ;;
        # Software centres need metadata that anyone may copy.
        *.metainfo.xml.in) licence=CC0-1.0 ;;
        *) licence=GPL-3.0-or-later ;;
        esac
        # The top: after a #! line or an XML declaration at most.
        head -n 3 "$file" | grep -qF "SPDX-License-Identifier: $licence" ||
            echo "  $file ($licence)"
    done
)

if [ -n "$missing" ]; then
    echo "FAIL: these files lack 'SPDX-License-Identifier: <licence>' in their first three lines:" >&2
    echo "$missing" >&2
    echo "Add it as a comment at the top (after a #! line or an <?xml ...?> declaration)." >&2
    exit 1
fi
echo "$(git ls-files --cached --others --exclude-standard | wc -l) files, all with their licence line or exempt"
