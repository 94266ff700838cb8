#!/usr/bin/env python3
"""Finds names with Hungarian type prefixes (m_bFoo, m_strName, pWidget, ...) in C++ files.

clang-tidy's case check accepts them (m_bFoo is m_ followed by the camelBack "bFoo"), so
this scan looks at every identifier outside comments and literals. The product's given
names (given-names.txt) are allowed. Prints FILE:LINE: NAME for the first use of each
name in each file and exits 1 if there is any.

Usage: check-hungarian.py FILE_OR_FOLDER...
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# Type prefixes: bool, string, zero-terminated string, number, pointer, long pointer, word,
# double word, int, unsigned long, handle, window, dialog, character, function, float.
PREFIXES = "b|str|sz|psz|n|p|pp|lp|w|dw|i|ul|u|l|h|wnd|dlg|ch|fn|f|d|dbl"
# A member, static or global (m_, s_, g_) with a type prefix before its name.
SCOPED = re.compile(r"^[msg]_(?:%s)[A-Z]" % PREFIXES)
# A variable or parameter with a type prefix before its name. Fewer prefixes here:
# "d", "f", "l" or "u" followed by a capital are also ordinary words (dX, uTurn).
PLAIN = re.compile(r"^(?:b|str|sz|psz|n|p|pp|lp|dw|i|ul|h|wnd|dlg)[A-Z][a-z]")

# Comments, string and character literals (raw strings too), then identifiers.
TOKEN = re.compile(
    r"//[^\n]*"
    r"|/\*.*?\*/"
    r'|R"([^(\s]*)\(.*?\)\1"'
    r'|"(?:\\.|[^"\\\n])*"'
    r"|'(?:\\.|[^'\\\n])*'"
    r"|([A-Za-z_][A-Za-z0-9_]*)",
    re.S,
)


def given_names():
    with open(os.path.join(HERE, "given-names.txt"), encoding="utf-8") as f:
        return {s for s in (line.strip() for line in f) if s and not s.startswith("#")}


def sources(paths):
    for path in paths:
        if os.path.isdir(path):
            for folder, dirs, files in os.walk(path):
                dirs.sort()
                for name in sorted(files):
                    if name.endswith((".cpp", ".h")):
                        yield os.path.join(folder, name)
        else:
            yield path


def offences(path, allowed):
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    seen = set()
    for match in TOKEN.finditer(text):
        name = match.group(2)
        if not name or name in seen or name in allowed:
            continue
        if SCOPED.match(name) or PLAIN.match(name):
            seen.add(name)
            yield text.count("\n", 0, match.start()) + 1, name


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    allowed = given_names()
    found = 0
    for path in sources(argv[1:]):
        for line, name in offences(path, allowed):
            print(f"{path}:{line}: Hungarian prefix: {name}")
            found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
