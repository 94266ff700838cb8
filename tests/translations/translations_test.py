#!/usr/bin/env python3
"""Checks the translation check and the translated desktop metadata.

1. scripts/check-translations.py reports each kind of fault in a small .ts file made for it,
   and passes the same file without the fault; a clash inside one menu of the command table
   is found although that context as a whole has clashes in English.
2. The desktop entry and the AppStream metadata carry every shipped language.
3. The pseudo-translation, when given, lengthens every text by at least 40% (arguments, key
   tips and accelerators are checked by check-translations.py on it).

Usage: translations_test.py SOURCE_ROOT [PSEUDO.ts]
"""
import re
import configparser
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["de", "fr", "es", "pt_BR", "it", "pl", "ru", "ja", "zh_CN"]

GOOD = {
    "&Save": "&Speichern",
    "Save &As...": "Speichern &unter...",
    "%1 of %2": "%1 von %2",
    "Undo Rename\nu": "Umbenennen rückgängig\nu",
}
PLURAL = ("%n File(s) Renamed", ["%n Datei umbenannt", "%n Dateien umbenannt"])

# name, how the good German file is changed, the words the report must hold
CASES = [
    ("unfinished", {"&Save": None}, "not translated"),
    ("empty", {"&Save": ""}, "empty translation"),
    ("argument dropped", {"%1 of %2": "%1 von"}, "arguments differ"),
    ("argument added", {"%1 of %2": "%1 von %2 (%3)"}, "arguments differ"),
    ("plural argument dropped", {PLURAL[0]: ["eine Datei umbenannt", "%n Dateien"]},
     "arguments differ"),
    ("plural form missing", {PLURAL[0]: ["%n Dateien umbenannt"]}, "plural forms"),
    ("key tip lost", {"Undo Rename\nu": "Umbenennen rückgängig"}, "key tip"),
    ("accelerator dropped", {"&Save": "Speichern"}, "accelerator dropped or added"),
    ("accelerators clash", {"Save &As...": "&Sichern unter..."}, "clashes"),
]


# A context of many menus: its English texts clash ("&Copy", "&Cascade"), so only the listed
# group of the Edit menu is checked, where "&Undo" and "Cu&t" become one key.
MENU_GROUP = {"&Undo": "&Rückgängig", "Cu&t": "&Rausschneiden", "&Copy": "K&opieren",
              "&Cascade": "&Kaskade"}


def write_ts(path, changes, context_name="FileMenu", texts=None):
    root = ET.Element("TS", version="2.1", language="de_DE")
    context = ET.SubElement(root, "context")
    ET.SubElement(context, "name").text = context_name
    if texts is None:
        texts = dict(GOOD)
        texts[PLURAL[0]] = PLURAL[1]
    texts.update(changes)
    for source, text in texts.items():
        message = ET.SubElement(context, "message")
        if source == PLURAL[0]:
            message.set("numerus", "yes")
        ET.SubElement(message, "source").text = source
        translation = ET.SubElement(message, "translation")
        if text is None:
            translation.set("type", "unfinished")
        elif isinstance(text, list):
            for form in text:
                ET.SubElement(translation, "numerusform").text = form
        else:
            translation.text = text
    ET.ElementTree(root).write(path, encoding="utf-8", xml_declaration=True)


def run_check(root, path):
    result = subprocess.run([sys.executable, str(root / "scripts/check-translations.py"), path],
                            capture_output=True, text=True)
    return result.returncode, result.stdout


def check_the_checker(root):
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        good = str(pathlib.Path(folder) / "good.ts")
        write_ts(good, {})
        code, report = run_check(root, good)
        if code != 0:
            failures.append(f"a good file was refused:\n{report}")
        for name, changes, words in CASES:
            path = str(pathlib.Path(folder) / "case.ts")
            write_ts(path, changes)
            code, report = run_check(root, path)
            if code == 0 or words not in report:
                failures.append(f"{name}: not reported as '{words}':\n{report}")
        path = str(pathlib.Path(folder) / "menus.ts")
        write_ts(path, {}, "CommandTable", dict(MENU_GROUP))
        code, report = run_check(root, path)
        if code == 0 or "'r' of '&Rausschneiden' clashes" not in report:
            failures.append(f"a clash inside a menu of the command table was missed:\n{report}")
        write_ts(path, {"Cu&t": "&Ausschneiden"}, "CommandTable", dict(MENU_GROUP))
        code, report = run_check(root, path)
        if code != 0:
            failures.append(f"the command table's menus without a clash were refused:\n{report}")
    return failures


def check_metadata(root):
    failures = []
    entry = configparser.RawConfigParser(strict=False)
    entry.optionxform = str
    entry.read(root / "res/quirewell.desktop", encoding="utf-8")
    section = entry["Desktop Entry"]
    info = ET.parse(root / "res/example.orvalt.Quirewell.metainfo.xml").getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    for language in LANGUAGES:
        for key in ("Name", "GenericName", "Comment", "Keywords"):
            if not section.get(f"{key}[{language}]", "").strip():
                failures.append(f"desktop entry lacks {key}[{language}]")
        if not [e for e in info.iter("summary") if e.get(lang) == language and e.text]:
            failures.append(f"metadata lacks the {language} summary")
        english = [p for p in info.find("description") if p.get(lang) is None]
        translated = [e for e in info.find("description").iter() if e.get(lang) == language]
        items = [e for e in info.find("description").iter("li") if e.get(lang) is None]
        if len(translated) != len(english) + len(items) - 1:  # the <ul> has no text
            failures.append(f"metadata description in {language}: {len(translated)} parts")
    return failures


def check_pseudo(path):
    """Every text of 5 letters or more at least 40% longer, counted without the arguments."""
    failures = []
    plain = re.compile(r"%(?:L?\d|L?n)|&(?=\w)|<[^>]*>")
    for message in ET.parse(path).getroot().iter("message"):
        source = plain.sub("", message.findtext("source") or "")
        forms = [f.text or "" for f in message.iter("numerusform")] or [
            message.findtext("translation") or ""]
        for text in forms:
            if len(source) >= 5 and len(plain.sub("", text)) < 1.4 * len(source):
                failures.append(f"pseudo-translation not 40% longer: {text!r}")
    return failures


def main():
    root = pathlib.Path(sys.argv[1])
    failures = check_the_checker(root) + check_metadata(root)
    if len(sys.argv) > 2:
        failures += check_pseudo(sys.argv[2])
    for failure in failures:
        print(failure)
    print(f"{len(CASES) + 3} checker cases, {len(LANGUAGES)} languages: "
          f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
