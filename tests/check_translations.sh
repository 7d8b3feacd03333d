#!/bin/sh
# Every text of the window has a German translation, apart from those that
# stay English on purpose. lupdate reads the sources into a copy of the German
# catalogue; any text it marks unfinished and that is not listed below is one
# that a German user would see in English.
#   check_translations.sh LUPDATE SOURCE_DIR
set -eu

lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source/resources/i18n/lang_de.ts" "$work/lang_de.ts"
"$lupdate" -silent -locations none "$source/src/app" -ts "$work/lang_de.ts"

# Names, the status texts of a run and the credits' first line.
cat >"$work/english" <<'LIST'
Asteroid
Barycenter
Beltwright
Comet
Credits
Generating
Info
Python version and enhancements
SC file (*.sc)
Saving
LIST

python3 - "$work/lang_de.ts" "$work/english" <<'PY'
import sys
import xml.etree.ElementTree as ET

english = set(open(sys.argv[2], encoding="utf-8").read().splitlines())
missing = []
for message in ET.parse(sys.argv[1]).iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    if translation.get("type") in ("unfinished", "vanished") or not (translation.text or ""):
        if translation.get("type") != "vanished" and source not in english:
            missing.append(source)
for source in missing:
    print("no German text:", source)
sys.exit(1 if missing else 0)
PY
