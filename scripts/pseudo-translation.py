#!/usr/bin/env python3
"""Writes a pseudo-translation for layout checks: every source text of a .ts file, with its
letters accented and lengthened by 40%, its arguments (%1..%9, %n), accelerators (&x, &&),
markup and ribbon key tips ("\\nk" at the end) kept as they are.

Usage: pseudo-translation.py SOURCE.ts OUTPUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("aceinousyACEINOUSYdDgGlLrRtTzZ", "àçéîñöûšýÀÇÉÎÑÖÛŠÝđĐĝĜľĽŕŔţŢžŽ"))
# Pieces kept whole: arguments, accelerators, markup and entities, a key tip at the end.
KEPT = re.compile(r"%(?:\d|n|L\d|Ln)|&&|&\w|<[^>]*>|&\w+;|\n[a-z0-9]{1,2}$")


def pseudo(text):
    out = []
    shown = 0  # the characters a reader sees, arguments and markup left out
    pos = 0
    for match in KEPT.finditer(text):
        for ch in text[pos:match.start()]:
            out.append(ACCENTED.get(ch, ch))
            shown += 1
        piece = match.group(0)
        out.append(piece)
        if piece == "&&" or piece.startswith("\n"):
            shown += len(piece)
        elif piece.startswith("&") and not piece.endswith(";"):
            shown += 1
        pos = match.end()
    for ch in text[pos:]:
        out.append(ACCENTED.get(ch, ch))
        shown += 1
    padding = "·" * math.ceil(shown * 0.4)
    tip = re.search(r"\n[a-z0-9]{1,2}$", text)
    body = "".join(out)
    if tip:
        return body[: -len(tip.group(0))] + padding + tip.group(0)
    return body + padding


def main(source, output):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        translation.clear()
        if message.get("numerus") == "yes":
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
