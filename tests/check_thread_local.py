#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every thread_local variable of the sources is of a trivially destructible type.

Usage: check_thread_local.py DIR...

MinGW-w64 frees a thread's thread_local storage before it runs their
destructors, so such a destructor crashes the Windows programs at random. Each
thread_local variable must be followed, in its file, by

    static_assert(std::is_trivially_destructible_v<decltype(NAME)>);

which makes the compiler check the type. Exits 1 and names the variables
without it. The script first checks itself on a few samples.
"""
import os
import re
import sys

# Comments, and literals that might hold the word.
NOISE = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
DECLARATION = re.compile(r"\bthread_local\b([^;=({]*)")
NAME = re.compile(r"([A-Za-z_]\w*)\s*(?:\[[^\]]*\]\s*)*$")


def problems(text):
    """The thread_local variables of one file's text that lack the assertion."""
    code = NOISE.sub(" ", text)
    found = []
    for match in DECLARATION.finditer(code):
        declared = match.group(1).strip()
        line = code.count("\n", 0, match.start()) + 1
        name = NAME.search(declared)
        if "," in re.sub(r"<[^<>]*>", "", declared) or not name:
            found.append((line, declared, "declare one variable per thread_local line"))
            continue
        assertion = re.compile(r"static_assert\s*\(\s*std::is_trivially_destructible_v\s*<\s*"
                               r"decltype\s*\(\s*" + name.group(1) + r"\s*\)\s*>\s*\)")
        if not assertion.search(code, match.end()):
            found.append((line, name.group(1), "no static_assert that it is trivially destructible"))
    return found


SAMPLES = [
    # (text, number of problems)
    ("thread_local int n = 0;\n"
     "static_assert(std::is_trivially_destructible_v<decltype(n)>);\n", 0),
    ("thread_local std::unique_ptr<char[]> buffer;\n", 1),
    ("    thread_local Carver carver;\n"
     "// static_assert(std::is_trivially_destructible_v<decltype(carver)>);\n", 1),
    ("thread_local Memo memo;\n"
     "static_assert(std::is_trivially_destructible_v<decltype(other)>);\n", 1),
    ("thread_local std::pair<int, int> a, b;\n", 1),
    ("// No thread_local object may have a destructor.\n"
     "char const *text = \"thread_local\";\n", 0),
]


def self_test():
    wrong = [(text, expected, len(problems(text))) for text, expected in SAMPLES
             if len(problems(text)) != expected]
    for text, expected, got in wrong:
        print(f"self-test: {got} problems instead of {expected} in:\n{text}", file=sys.stderr)
    return not wrong


def main(folders):
    if not self_test():
        return 1
    checked = 0
    failures = []
    for folder in folders:
        for root, _, files in os.walk(folder):
            for file in sorted(files):
                if not file.endswith((".cpp", ".h")):
                    continue
                path = os.path.join(root, file)
                with open(path, encoding="utf-8") as source:
                    text = source.read()
                checked += len(DECLARATION.findall(NOISE.sub(" ", text)))
                failures += [(path, *problem) for problem in problems(text)]
    for path, line, what, why in failures:
        print(f"{path}:{line}: thread_local {what}: {why}", file=sys.stderr)
    if failures:
        print("A thread_local with a destructor crashes the Windows programs at thread exit; "
              "keep the type trivially destructible and release its resources on the thread "
              "(see src/core/platform/ThreadScope.h).", file=sys.stderr)
        return 1
    print(f"{checked} thread_local variables, each asserted trivially destructible")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
