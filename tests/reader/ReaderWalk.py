"""Walks every page of the running course over the accessibility bus, the
way a screen reader reads it, along the learning path (the "Lernweg weiter"
arrow, pressed through its accessible action). Fails when a page has an
interactive or focusable element without a name, shows no text at all, or
when the walk ends before the course does. Started by ReaderWalk.sh."""
import sys
import time

import pyatspi

INTERACTIVE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
               pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST,
               pyatspi.ROLE_TREE, pyatspi.ROLE_LINK, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_PAGE_TAB}
TEXTUAL = {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC, pyatspi.ROLE_PARAGRAPH, pyatspi.ROLE_HEADING}
# The menus are Qt's own and are read while they are open.
SKIP = {pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_MENU, pyatspi.ROLE_LIST_ITEM}
NEXT = ("Lernweg weiter", "Starte Lernweg")
MIN_PAGES = 42


def wait_for(what, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    return None


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        node = desktop.getChildAtIndex(i)
        if node is not None and node.name == "Velotra" and node.childCount > 0:
            return node
    return None


def title(app):
    try:
        return app.getChildAtIndex(0).name
    except Exception:
        return None


def shown(node, out):
    """The elements showing, depth first, as (node, role, name, text)."""
    try:
        role = node.getRole()
        state = node.getState()
    except Exception:
        return
    if role in SKIP:
        return
    if state.contains(pyatspi.STATE_SHOWING):
        text = ""
        try:
            t = node.queryText()
            text = t.getText(0, min(t.characterCount, 200)).strip()
        except NotImplementedError:
            pass
        out.append((node, role, (node.name or "").strip(), text, state.contains(pyatspi.STATE_FOCUSABLE)))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            shown(child, out)


def describe(element):
    node, role, name, text, _ = element
    parent = node.parent
    return f"{node.getRoleName()} in {parent.getRoleName() if parent else '-'} {parent.name if parent else ''!r}"


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "Press"):
            return action.doAction(i)
    return action.doAction(0)


def main():
    app = wait_for(program, 60)
    if app is None:
        print("the program did not appear on the accessibility bus")
        return 1
    faults = []
    seen = []
    while True:
        page = title(app)
        elements = []
        shown(app, elements)
        interactive = [e for e in elements if e[1] in INTERACTIVE or e[4]]
        unnamed = [e for e in interactive if not e[2] and not e[3]]
        texts = [e for e in elements if e[1] in TEXTUAL and (e[2] or e[3])]
        long_texts = [e for e in texts if len(e[3] or e[2]) >= 20]
        print(f"{page}: {len(interactive)} interactive, {len(unnamed)} unnamed, {len(long_texts)} texts of 20+")
        faults += [f"{page}: unnamed {describe(e)}" for e in unnamed]
        if not texts:
            faults.append(f"{page}: no text reaches the reader")
        if page in seen:
            faults.append(f"{page}: the learning path comes back here")
            break
        seen.append(page)
        arrow = next((e[0] for e in elements if e[1] == pyatspi.ROLE_PUSH_BUTTON and e[2] in NEXT), None)
        if arrow is None:
            break
        press(arrow)
        if wait_for(lambda: title(app) != page, 30) is None:
            faults.append(f"{page}: the arrow leads nowhere")
            break
    if len(seen) < MIN_PAGES:
        faults.append(f"the walk ended after {len(seen)} pages")
    for fault in faults:
        print(fault)
    print(f"{len(seen)} pages, {len(faults)} faults")
    return 1 if faults else 0


sys.exit(main())
