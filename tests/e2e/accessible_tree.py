#!/usr/bin/env python3
"""Walks every window of the running clock as a screen reader sees it (AT-SPI) and
prints each control a screen reader could not tell: focusable or painted by the
program itself, with no name or no role, and a window that paints itself whole
without a description of what it shows. Exit 0: all told; 1: some were not;
77: the clock never showed up on the accessibility bus.
Usage: accessible_tree.py APP_NAME WINDOW_TITLE... [--describes WORDS] [--dump]
         --describes: each window's description must hold WORDS
       accessible_tree.py APP_NAME --heard WORDS [SECONDS]: waits for an alert that says WORDS."""
import sys
import time

import pyatspi

# Roles a control that draws itself ends up with when nobody told Qt what it is.
ANONYMOUS_ROLES = {pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN}
# Qt's own compound widgets: their parts (a combo box's list and line, a table's cells and
# headers, a text box's viewport) are told by the widget's name; an empty cell is no fault.
COMPOUND_ROLES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL}
SELF_PAINTED_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_CANVAS, pyatspi.ROLE_IMAGE,
                      pyatspi.ROLE_ANIMATION, pyatspi.ROLE_DRAWING_AREA, pyatspi.ROLE_PANEL}


def find_app(name, waited=20.0):
    end = time.time() + waited
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def faults(node, path, dump, by_visibility, window=False):
    try:
        role, name, states = node.getRole(), node.name or "", node.getState()
    except Exception as error:  # a node gone while we walked: the window changed under us
        return [f"{path}: unreadable ({error})"]
    if by_visibility and not states.contains(pyatspi.STATE_VISIBLE):
        return []  # hidden: a screen reader passes it by, as the eye does
    focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    leaf = node.childCount == 0
    here = f"{path}/{node.getRoleName()}"
    if dump:
        print(f"{here} name={name!r} desc={node.description!r}{' focusable' if focusable else ''}")
    found = []
    if window and leaf and not (node.description or "").strip():
        found.append(f"{here}: paints itself whole and tells nothing of what it shows")
    if focusable and role in ANONYMOUS_ROLES:
        found.append(f"{here}: focusable without a role")
    elif (focusable or (leaf and role in SELF_PAINTED_ROLES)) and not name.strip():
        found.append(f"{here}: {'focusable' if focusable else 'self-painted'} without a name")
    if role in COMPOUND_ROLES:
        return found
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found += faults(child, f"{here}[{i}]", dump, by_visibility)
    return found


def alerts(node):
    found = [node.name] if node.getRole() == pyatspi.ROLE_ALERT else []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            found += alerts(child)
    return found


def heard(app, words, seconds):
    end = time.time() + seconds
    said = []
    while time.time() < end:
        said = [name for window in app if window is not None for name in alerts(window)]
        if words in said:
            print(f"ok - a screen reader is told {words!r}")
            return 0
        time.sleep(0.5)
    print(f"not ok - a screen reader is told {words!r} (alerts: {said})")
    return 1


def main():
    args = [a for a in sys.argv[1:] if a != "--dump"]
    dump = "--dump" in sys.argv
    describes = None
    if "--describes" in args:
        at = args.index("--describes")
        describes = args[at + 1]
        del args[at : at + 2]
    app = find_app(args[0])
    if app is None:
        print(f"skipped: {args[0]} is not on the accessibility bus")
        return 77
    if len(args) >= 3 and args[1] == "--heard":
        return heard(app, args[2], float(args[3]) if len(args) > 3 else 10)
    # A window built early and never shown may share its title with the one on screen, and
    # the night screen shares it with the main window it covers: the active one is meant.
    def rank(w):
        states = w.getState()
        return (states.contains(pyatspi.STATE_ACTIVE), states.contains(pyatspi.STATE_SHOWING))

    windows = {}
    for w in app:
        if w is not None and (w.name not in windows or rank(w) > rank(windows[w.name])):
            windows[w.name] = w
    status = 0
    for title in args[1:]:
        window = windows.get(title)
        if window is None:
            print(f"not ok - window {title!r} is on the bus (there: {sorted(windows)})")
            status = 1
            continue
        # The notebook tells no visibility at all: then every page is walked, hidden or not.
        found = faults(window, title, dump, window.getState().contains(pyatspi.STATE_SHOWING), window=True)
        if describes is not None and describes not in (window.description or ""):
            found.append(f"{title}: its description {window.description!r} does not hold {describes!r}")
        print(("ok" if not found else "not ok") + f" - every control of {title!r} has a name and a role")
        for fault in found:
            print(f"#   {fault}")
        status = status or (1 if found else 0)
    return status


if __name__ == "__main__":
    sys.exit(main())
