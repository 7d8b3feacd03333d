#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text the sources pass to tr() has its German translation.

Usage: check_translations.py LUPDATE SOURCE_DIR LANG_DE_TS

Runs lupdate over the sources into a scratch catalogue and looks each text up
in the German catalogue by context and source text. Exits 1 and lists the
texts that have no German translation.
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Texts that show in English in every language.
STAY_ENGLISH = {
    ("MainWindow", "Beltwright"),
    ("MainWindow", "Credits"),
    ("MainWindow", "&Credits"),
    ("MainWindow", "&Info"),
    ("MainWindow", "Barycenter"),
    ("MainWindow", "Asteroid"),
    ("MainWindow", "Comet"),
    ("MainWindow", "SC file (*.sc)"),
    ("MainWindow", "Generating"),
    ("MainWindow", "Saving"),
    ("MainWindow", "Python version and enhancements"),
}


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            done = translation is not None and translation.get("type") not in (
                "unfinished", "obsolete", "vanished")
            found[(name, message.findtext("source"))] = (translation.text or "") if done else ""
    return found


def main():
    lupdate, sources, german = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as scratch:
        extracted = os.path.join(scratch, "all.ts")
        subprocess.run([lupdate, "-silent", "-no-obsolete", sources, "-ts", extracted],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        used = messages(extracted)
    translated = messages(german)
    if len(used) < 40:
        print(f"FAIL: lupdate found only {len(used)} texts in {sources}")
        return 1
    missing = [key for key in used
               if key not in STAY_ENGLISH and not translated.get(key)]
    for context, source in missing:
        print(f"FAIL: no German text for {context}: {source!r}")
    print(f"{len(used)} texts, {len(missing)} without German")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
