#!/usr/bin/python3
"""What a screen reader learns of Tarvix through AT-SPI: a manual check, not part of the suite.

Run the program with the accessibility bridge on, then this script, in one D-Bus session:

    dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher --launch-immediately &
        sleep 1; QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 tarvix & sleep 3;
        /usr/bin/python3 tests/manual/atspi_check.py'

It lists every named control with its role and value, types a round bar of 1 x 12 inches as a
user would (focus, keys, Tab), and reports which result fields announced their new text.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

ROLES_THAT_NEED_NAMES = {
    "text", "entry", "push button", "radio button", "check box", "combo box", "button",
}


def find_app(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for app in desktop:
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def value_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def label_of(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        context.iteration(False)
        time.sleep(0.01)


def main():
    app = find_app("tarvix")
    if app is None:
        print("tarvix is not on the accessibility bus")
        return 1
    windows = [w for w in app if w is not None]
    print(f"application {app.name!r}, windows: {[w.name for w in windows]}")
    unnamed = []
    controls = {}
    for node, _ in walk(app):
        role = node.getRoleName()
        if role not in ROLES_THAT_NEED_NAMES:
            continue
        name = node.name or label_of(node)
        states = node.getState()
        if not states.contains(pyatspi.STATE_SHOWING) and role != "combo box":
            continue
        if not name:
            unnamed.append((role, value_of(node)))
        controls.setdefault(name, node)
        label = label_of(node)
        shown = f"{name!r} (labelled {label!r})" if label and label != name else repr(name)
        print(f"  {role:13} {shown:34} value={value_of(node)!r}")
    print(f"{len(controls)} named controls, unnamed: {unnamed}")

    announced = []

    def on_text(event):
        announced.append((event.source.name, event.type, event.any_data))

    pyatspi.Registry.registerEventListener(on_text, "object:text-changed:insert")
    pyatspi.Registry.registerEventListener(on_text, "object:property-change:accessible-name")

    for field, typed in (("Outside diameter", "1"), ("Length", "12")):
        node = controls[field]
        node.queryComponent().grabFocus()
        pump(0.3)
        pyatspi.Registry.generateKeyboardEvent(0, typed, pyatspi.KEY_STRING)
        pump(0.3)
        pyatspi.Registry.generateKeyboardEvent(23, None, pyatspi.KEY_PRESSRELEASE)  # Tab
        pump(0.5)
    for field in ("Unit volume (ci)", "Unit weight (lb)", "Total weight (lb)"):
        print(f"  {field!r}: value {value_of(controls[field])!r}")
    results = {"Unit volume (ci)", "Unit weight (lb)", "Total weight (lb)"}
    for source, kind, data in announced:
        if source in results:
            print(f"  announced {source!r} {kind} {data!r}")
    heard = {source for source, _, _ in announced if source in results}
    print(f"result fields that announced their text: {sorted(heard)}")

    # A change of unit renames the fields whose captions name the unit.
    announced.clear()
    # The reader's own action on the option, as Orca's activate command does.
    action = controls["Millimeters"].queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Toggle"))
    pump(0.5)
    renamed = sorted(source for source, kind, _ in announced if kind.endswith("accessible-name"))
    print(f"after MILLIMETERS, names announced: {renamed}")
    metric = {"Unit volume (cc)", "Unit weight (kg)", "Total weight (kg)", "Assembly weight (kg)"}
    return 0 if not unnamed and heard == results and metric <= set(renamed) else 1


if __name__ == "__main__":
    sys.exit(main())
