# SPDX-License-Identifier: GPL-3.0-or-later
"""A calculation typed on the German and French layouts, with the key codes those
layouts give their keys (xdotool finds them by character), and read back from the
accessibility bus: "1,5", the dead circumflex, "2", Return. Where the locale writes
decimals with a comma the answer is 1.5 to the power 2; elsewhere the comma is
refused and the digits stay 15. Run by screen_reader_test.sh with "self", which
leaves starting the program to this client."""
import os
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screen_reader_client import (all_of, application, check, labelled_by, pump,  # noqa: E402
                                  report, wait_for)

RUNS = [("de", "de_DE.UTF-8", "2.25000"),
        ("fr", "fr_FR.UTF-8", "2.25000"),
        ("de", "en_US.UTF-8", "225.00000")]


def typed_answer(layout, locale):
    subprocess.run(["setxkbmap", layout], check=True)
    # Each start with a state folder of its own: the calculation is unsaved work, which
    # ending the program keeps for the next start to offer back.
    state = tempfile.mkdtemp(dir=os.environ["NUMBRELLA_WORK"])
    environment = dict(os.environ, LC_ALL=locale, LANGUAGE="en", XDG_STATE_HOME=state)
    program = subprocess.Popen([os.environ["NUMBRELLA_PROGRAM"]], env=environment,
                               stderr=subprocess.DEVNULL)
    try:
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "Numbrella Calculator"], capture_output=True, text=True,
                                timeout=20, check=True).stdout.split()[0]
        app = wait_for(application, "program on the accessibility bus", 20.0)
        answers = [label for label in all_of(app, "label") if labelled_by(label) == ["Answer"]]
        fields = [field for field in all_of(app, "text") if labelled_by(field) == ["Operand 1"]]
        if not check(len(answers) == 1 and len(fields) == 1, "the answer and operand 1 found"):
            return None
        # Without a window manager to give the window the focus, the user clicks into
        # operand 1, as a user starting a calculation does.
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        box = fields[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                        str(box.y + box.height // 2), "click", "1"], check=True)
        pump(0.3)
        for key in ["1", "comma", "5", "dead_circumflex", "2", "Return"]:
            subprocess.run(["xdotool", "key", key], check=True)
            pump(0.1)
        pump(0.5)
        return answers[0].name
    finally:
        program.terminate()
        program.wait(10)
        pump(0.5)


def main():
    for layout, locale, expected in RUNS:
        answer = typed_answer(layout, locale)
        check(answer == expected,
              f"'1,5 ^ 2' typed on the {layout} layout under {locale} gives '{answer}'")
    return report()


if __name__ == "__main__":
    sys.exit(main())
