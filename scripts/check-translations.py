#!/usr/bin/env python3
"""Checks shipped translations (.ts files) and fails on the first kind of fault it finds in any:
- a source text without a finished, non-empty translation (every plural form filled, as many
  forms as the language has);
- a translation that drops or adds an argument (%1..%9, %n) or a ribbon key tip ("\\nk");
- an accelerator (&x) dropped or added, or two accelerators that clash inside one context
  whose English texts have no clash (a menu, a ribbon category, a dialog), or inside one of
  the groups of a context listed in GROUPS (the menus of the command table).

Usage: check-translations.py FILE.ts...   Prints each fault; exit status 1 when there is one.
"""
import collections
import re
import sys
import xml.etree.ElementTree as ET

# Plural forms per language, as lrelease counts them.
PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "pt": 2, "it": 2, "pl": 3, "ru": 3, "ja": 1, "zh": 1,
                "en": 2}
# Contexts that hold several menus or a window and its menus: the groups of their texts that
# are shown together. The command table's are the classic File, Edit, View and Window menus
# and the looks.
GROUPS = {
    # The rename parameters window, and the menu of its "Manage Presets" button.
    "CDlgRenameParameters": [
        ["&New Name :", "Restart Numbers in Every Fol&der", "&Pad Numbers in Name to Digits :",
         "Regular e&xpression", "Match &case", "Replace &all", "T&itle Case", "Sent&ence Case",
         "Trim &Spaces", "Spe&ll in ASCII", "Lower-Case Extensi&on", "&Find :", "&Rename All",
         "Apply Find && Replace and Case &To :", "Appl&y Preset :", "Mana&ge Presets",
         "Name Te&mplate :", "Insert To&ken"],
        ["&Save Current Parameters as Preset...", "&Rename Preset...", "&Delete Preset",
         "&Import Preset...", "&Export Preset..."],
    ],
    "CommandTable": [
        ["&New", "&Open...", "&Close", "&Save", "Save &As...", "Print Set&up", "&Quick Print",
         "Print Pre&view", "E&xit"],
        ["&Undo", "Cu&t", "&Copy", "&Paste"],
        ["&Status Bar", "&Caption Bar", "S&mall Icons", "Lar&ge Icons", "&List", "&Details",
         "By &Name", "&Auto Arrange", "Lin&e up Icons"],
        ["&New Window", "&Arrange Icons", "&Cascade", "&Tile", "&Windows..."],
        ["Windows &2000", "Office &XP", "&Windows XP", "Office 200&3", "Visual Studio.NET 200&5",
         "&Blue Style", "B&lack Style", "&Silver Style", "&Aqua Style"],
    ],
}
ARGUMENT = re.compile(r"%(?:L?\d|L?n)")
KEY_TIP = re.compile(r"\n[a-z0-9]{1,2}$")


def accelerators(text):
    """The accelerator characters of a text, lower-cased ("&&" is a literal ampersand)."""
    return [m.group(1).lower() for m in re.finditer(r"&(?!&)(.)", text.replace("&&", ""))]


def check_text(where, source, text, faults):
    if not text or not text.strip():
        faults.append(f"{where}: empty translation")
        return
    if collections.Counter(ARGUMENT.findall(source)) != collections.Counter(ARGUMENT.findall(text)):
        faults.append(f"{where}: arguments differ: {text!r}")
    tip = KEY_TIP.search(source)
    if tip and not text.endswith(tip.group(0)):
        faults.append(f"{where}: key tip {tip.group(0)!r} lost: {text!r}")
    if len(accelerators(source)) != len(accelerators(text)):
        faults.append(f"{where}: accelerator dropped or added: {text!r}")


def check_file(path):
    faults = []
    root = ET.parse(path).getroot()
    language = root.get("language", "")
    forms = PLURAL_FORMS.get(language.split("_")[0])
    if forms is None:
        return [f"{path}: unknown language {language!r}"]
    for context in root.iter("context"):
        name = context.findtext("name")
        shown = []  # (source, translation texts) of the context, for the accelerator clash
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{path}: {name}: {source!r}"
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                   "obsolete"):
                faults.append(f"{where}: not translated")
                continue
            if message.get("numerus") == "yes":
                texts = [form.text or "" for form in translation.iter("numerusform")]
                if len(texts) != forms:
                    faults.append(f"{where}: {len(texts)} plural forms, {language} has {forms}")
            else:
                texts = [translation.text or ""]
            for text in texts:
                check_text(where, source, text, faults)
            shown.append((source, texts[0]))
        groups = [shown] + [[(source, text) for source, text in shown if source in group]
                            for group in GROUPS.get(name, [])]
        for group in groups:
            check_clashes(f"{path}: {name}", group, faults)
    return faults


def check_clashes(where, shown, faults):
    """Two texts of a group with one accelerator, where their English texts have none."""
    english = [a for source, _ in shown for a in accelerators(source)]
    if len(english) != len(set(english)):
        return
    seen = {}
    for _, text in shown:
        for key in accelerators(text):
            if key in seen:
                faults.append(f"{where}: accelerator '{key}' of {text!r} clashes with "
                              f"{seen[key]!r}")
            seen[key] = text


def main(paths):
    if not paths:
        sys.exit(__doc__)
    faults = [fault for path in paths for fault in check_file(path)]
    for fault in faults:
        print(fault)
    print(f"{len(paths)} translation file(s) checked, {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
