#!/usr/bin/python3
"""Reads a running program's accessibility tree over AT-SPI, as a screen reader does, and
fails on an interactive element without a name.

Usage: atspi-check.py PID [--press NAME]... [--timeout SECONDS]

Waits for the application with process PID to appear on the accessibility bus and for its
main window to show a filled list, then walks every window of the application. Each --press
NAME presses the button of that name through its AT-SPI action first (so that the window it
opens is read too). Exit status: 0 every interactive element is named, 1 some are not, 2 the
application could not be read (it did not appear, or an element never came).
"""

import argparse
import os
import sys
import time

try:
    import pyatspi
except ImportError:
    print("atspi-check: python3-pyatspi is missing (apt-get install python3-pyatspi)",
          file=sys.stderr)
    sys.exit(2)

# Roles a user acts on: each needs a name a screen reader can speak.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_LINK, pyatspi.ROLE_TOOL_BAR,
    pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_STATUS_BAR,
}
TABLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE}
MAX_ITEMS = 40  # of a table or list: the first rows show what every row is like


def running(pid):
    try:
        os.kill(pid, 0)
        return True
    except ProcessLookupError:
        return False
    except PermissionError:
        return True


def find_application(pid, deadline):
    while time.monotonic() < deadline and running(pid):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that went away meanwhile
                continue
        time.sleep(0.5)
    return None


def walk(node, path, problems, counts, depth=0):
    if node is None or depth > 60:
        return
    try:
        role = node.getRole()
        name = (node.name or "").strip()
        role_name = node.getRoleName()
        state = node.getState()
        children = node.childCount
    except Exception as error:  # a node removed while it was read
        problems.append(f"{path}: could not be read ({error})")
        return
    here = f'{path} / {role_name} "{name}"'
    counts[role_name] = counts.get(role_name, 0) + 1
    editable_text = role == pyatspi.ROLE_TEXT and state.contains(pyatspi.STATE_EDITABLE)
    if (role in INTERACTIVE or editable_text) and not name:
        problems.append(f"{here}: no name")
    if role in TABLES:
        children = min(children, MAX_ITEMS)
    for i in range(children):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        walk(child, here, problems, counts, depth + 1)


def find(node, role, name, depth=0):
    if node is None or depth > 60:
        return None
    try:
        if node.getRole() == role and (node.name or "") == name:
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), role, name, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def list_rows(app):
    """The row count of the first table of the application, or -1 without one."""
    def first_table(node, depth=0):
        if node is None or depth > 60:
            return None
        try:
            if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
                return node
            for i in range(node.childCount):
                found = first_table(node.getChildAtIndex(i), depth + 1)
                if found is not None:
                    return found
        except Exception:
            return None
        return None
    table = first_table(app)
    if table is None:
        return -1
    try:
        return table.queryTable().nRows
    except Exception:
        return -1


def press(app, name):
    button = find(app, pyatspi.ROLE_PUSH_BUTTON, name)
    if button is None:
        return False
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            try:
                action.doAction(i)
            except Exception as error:
                # A button that opens a modal window answers only once the window closes;
                # the window is read meanwhile, so no reply is no failure.
                if "reply" not in str(error).lower():
                    raise
            return True
    return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("pid", type=int)
    parser.add_argument("--press", action="append", default=[])
    parser.add_argument("--timeout", type=float, default=60)
    args = parser.parse_args()
    deadline = time.monotonic() + args.timeout

    app = find_application(args.pid, deadline)
    if app is None and not running(args.pid):
        print(f"atspi-check: the program (process {args.pid}) ended before it could be read",
              file=sys.stderr)
        return 2
    if app is None:
        print(f"atspi-check: no application with process {args.pid} on the accessibility bus "
              f"after {args.timeout:.0f} s (is QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 set, and "
              "at-spi2-core installed?)", file=sys.stderr)
        return 2
    while list_rows(app) <= 0:
        if time.monotonic() > deadline:
            print("atspi-check: the list never showed rows", file=sys.stderr)
            return 2
        time.sleep(0.5)
    windows_before = app.childCount
    for name in args.press:
        if not press(app, name):
            print(f'atspi-check: no button "{name}" to press', file=sys.stderr)
            return 2
        while app.childCount <= windows_before:
            if time.monotonic() > deadline:
                print(f'atspi-check: pressing "{name}" opened no window', file=sys.stderr)
                return 2
            time.sleep(0.3)
        windows_before = app.childCount

    problems = []
    counts = {}
    walk(app, "", problems, counts)
    summary = ", ".join(f"{count} {role}" for role, count in sorted(counts.items()))
    print(f"atspi-check: read {app.childCount} window(s) of {app.name}: {summary}")
    if problems:
        print(f"atspi-check: {len(problems)} interactive element(s) without a name:",
              file=sys.stderr)
        for problem in problems:
            print("  " + problem, file=sys.stderr)
        return 1
    if not any(role in counts for role in ("push button", "check box")):
        print("atspi-check: no button or check box read; the tree is not the program's",
              file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
