# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds and does on the accessibility bus, and nothing else: the
calculator's drop-downs by their captions, a calculation pressed key by key, the
answer heard as it appears, the workboard read back, units picked in the converter,
and the SI tables read row by row. Run by screen_reader_test.sh."""
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
heard = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)
    return condition


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_for(find, what, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        pump(0.1)
    failures.append("no " + what)
    print("FAIL no " + what)
    sys.exit(report())


def children(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child


def all_of(node, role, name=None, into_lists=False):
    """Every object of `role` (and `name`) under `node`, depth first."""
    found = []
    for child in children(node):
        if child.getRoleName() == role and (name is None or child.name == name):
            found.append(child)
        if into_lists or child.getRoleName() not in ("list", "table"):
            found.extend(all_of(child, role, name, into_lists))
    return found


def one(node, role, name):
    found = all_of(node, role, name)
    return found[0] if found else None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def press(node, action="Press"):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if not check(action in names, f"{node.getRoleName()} '{node.name}' offers {action}"):
        return
    actions.doAction(names.index(action))
    pump(0.3)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.name == "numbrella":
            return app
    return None


def top_level(app, holding):
    """The program's top-level window that holds an object named `holding`."""
    for window in children(app):
        if all_of(window, "list", holding) or all_of(window, "text", holding):
            return window
    return None


def on_name_change(event):
    heard.append((event.source, event.source.name))


def calculator_part(app):
    calc = wait_for(lambda: top_level(app, "Operand 1"), "calculator window")
    check(calc.name == "Numbrella Calculator - Untitled", f"the window is named '{calc.name}'")
    alerts = [w.name for w in children(app) if w.getRoleName() == "alert"]
    check(not alerts, f"no message at start (saw {alerts})")

    # The drop-downs say their captions, and their chosen entries as their value.
    values = {box.name: text_of(box) for box in all_of(calc, "combo box")}
    check(values == {"Decimal Places In Answer": "5", "Size": "14", "Line Spacing": "2",
                     "Font face": "Arial Narrow"}, f"the drop-downs read {values}")
    for box in all_of(calc, "combo box"):
        check(labelled_by(box) == [box.name], f"'{box.name}' is labelled by its caption")

    answer = [label for label in all_of(calc, "label") if labelled_by(label) == ["Answer"]]
    if not check(len(answer) == 1, "one display is labelled 'Answer'"):
        return
    answer = answer[0]

    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    for key in ("7", "Add", "5", "Equals"):
        press(one(calc, "push button", key))
    pump(0.5)
    operands = [text_of(one(calc, "text", f"Operand {i}")) for i in (1, 2)]
    check(operands == ["7", "5"], f"the operands read {operands}")
    check(answer.name == "12.00000", f"the answer reads '{answer.name}'")
    check(any(source == answer and name == "12.00000" for source, name in heard),
          "the new answer was announced on the bus")
    workboard = text_of(one(calc, "text", "Workboard"))
    check(workboard.endswith("7  +  5  =  12.00000"), f"the workboard reads {workboard!r}")

    # One press of a keypad key is one digit, a held one is not pressed here.
    press(one(calc, "push button", "Clear All"))
    for key in ("4", "4", "Decimal point", "2", "Square root"):
        press(one(calc, "push button", key))
    pump(0.3)
    check(answer.name == "6.64831", f"the square root of 44.2 reads '{answer.name}'")
    return calc


def converter_part(app, calc):
    press(one(calc, "menu item", "Conversion Calculator"))
    conv = wait_for(lambda: top_level(app, "Convert: Area units"), "converter window")
    values = {box.name: text_of(box) for box in all_of(conv, "combo box")}
    check(values == {"Decimal points": "14"}, f"the converter's drop-down reads {values}")

    press(one(conv, "menu item", "Distance"))
    left = wait_for(lambda: next((l for l in all_of(conv, "list", "Convert: Distance units")
                                  if l.getState().contains(pyatspi.STATE_SHOWING)), None),
                    "Distance lists shown")
    right = one(conv, "list", "Into: Distance units")
    field = one(conv, "text", "Input")
    field.queryEditableText().setTextContents("12")
    pump(0.3)
    for unit_list, unit in ((left, "Feet"), (right, "Inches")):
        cell = one(unit_list, "list item", unit) or next(
            (c for c in all_of(unit_list, "list item", into_lists=True) if c.name == unit), None)
        if check(cell is not None, f"'{unit_list.name}' holds {unit}"):
            press(cell, "Toggle")
            check(cell.getState().contains(pyatspi.STATE_SELECTED), f"{unit} is selected")
    output = one(conv, "text", "Output, Inches")
    check(output is not None and text_of(output) == "144.00000000000000",
          "12 feet into inches reads 144, named with its unit")
    return conv


def reference_part(app, conv):
    press(one(conv, "menu item", "SI Base Units"))
    window = wait_for(lambda: next((w for w in children(app) if w.name.strip() == "SI Base Units"), None),
                      "SI Base Units window")
    check(window.getRoleName() == "frame", f"the SI base units come as a window ({window.getRoleName()})")
    labels = all_of(window, "label")
    rows = [label.name for label in labels]
    tops = [label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y for label in labels]
    check(rows[:3] == ["Name", "Symbol", "Quantity"], f"the table's headings read {rows[:3]}")
    check(len(rows) == 10, f"seven rows follow them ({len(rows) - 3})")
    check(all(a < b for a, b in zip(tops[2:], tops[3:])), "the rows are read from the top down")
    check(any("meter" in row.lower() and "length" in row.lower() for row in rows), f"a row gives the meter: {rows[3:5]}")


def report():
    print(f"{len(failures)} failed" if failures else "all passed")
    return 1 if failures else 0


def main():
    app = wait_for(application, "program on the accessibility bus", 20.0)
    calc = calculator_part(app)
    if calc is not None:
        conv = converter_part(app, calc)
        reference_part(app, conv)
    return report()


if __name__ == "__main__":
    sys.exit(main())
