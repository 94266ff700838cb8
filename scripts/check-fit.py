#!/usr/bin/env python3
"""Checks that no text of the screenshots is cut short or overlaps another.

The screenshot program lists, beside each PNG (--fits FILE), the texts of the main window and
of each dialog shown, window by window: "window NAME" starts a window, then one line per text
"fit KIND X Y W H NEEDED_W NEEDED_H PARENT TEXT" in the PNG's pixels. A text fails when its
widget is narrower or lower than the text needs, or when it overlaps another text of the same
parent widget (tabs of one tab bar excepted).

Usage: check-fit.py FILE.fits...   Prints each fault; exit status 1 when there is one.
"""
import sys


def read(path):
    windows = {}
    current = None
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.rstrip("\n")
            if line.startswith("window "):
                current = windows.setdefault(line[7:], [])
            elif line.startswith("fit ") and current is not None:
                parts = line.split(" ", 9)
                kind = parts[1]
                x, y, w, h, need_w, need_h = (int(v) for v in parts[2:8])
                current.append({"kind": kind, "rect": (x, y, w, h), "need": (need_w, need_h),
                                "parent": parts[8], "text": parts[9] if len(parts) > 9 else ""})
    return windows


def intersects(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def faults_of(path):
    faults = []
    windows = read(path)
    if not windows:
        return [f"{path}: no texts listed"]
    for window, boxes in windows.items():
        for box in boxes:
            x, y, w, h = box["rect"]
            need_w, need_h = box["need"]
            if need_w > w or need_h > h:
                faults.append(f"{path}: {window}: {box['kind']} \"{box['text']}\" cut: "
                              f"{w}x{h} given, {need_w}x{need_h} needed")
        for i, a in enumerate(boxes):
            for b in boxes[i + 1:]:
                if (a["parent"] == b["parent"] and "tab" not in (a["kind"], b["kind"])
                        and intersects(a["rect"], b["rect"])):
                    faults.append(f"{path}: {window}: \"{a['text']}\" and \"{b['text']}\" "
                                  "overlap")
    return faults


def main(paths):
    if not paths:
        sys.exit(__doc__)
    faults = [fault for path in paths for fault in faults_of(path)]
    for fault in faults:
        print(fault)
    print(f"check-fit: {len(paths)} screenshot(s), {len(faults)} text(s) cut or overlapping")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
