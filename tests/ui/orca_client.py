# SPDX-License-Identifier: GPL-3.0-or-later
"""What a blind user hears: the real program with the real Orca screen reader, driven
by keys as a user drives it and by a screen reader's Press, and what Orca would say
read from its debug log, which records every line it speaks, also without a speech
server. Run by screen_reader_test.sh with "self"."""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screen_reader_client import application, all_of, check, press, report, wait_for  # noqa: E402

WORK = os.environ["NUMBRELLA_WORK"]
LOG = os.path.join(WORK, "orca.log")

# Orca itself, with its log written line by line so that it can be read as Orca runs,
# and no speech server: it logs what it would say.
ORCA = """
import builtins, runpy, sys
_open = builtins.open
def line_by_line(file, mode="r", buffering=-1, *args, **kwargs):
    return _open(file, mode, 1 if "w" in mode and buffering == -1 else buffering, *args, **kwargs)
builtins.open = line_by_line
sys.modules["speechd"] = None
sys.argv = ["orca", "--debug-file", sys.argv[1]]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


def spoken():
    """Every line Orca has spoken so far."""
    try:
        with open(LOG, encoding="utf-8", errors="replace") as log:
            lines = log.read().splitlines()
    except FileNotFoundError:
        return []
    said = []
    for line in lines:
        found = re.search(r"SPEECH OUTPUT: '(.*)'(?: ?\{.*\})?$", line)
        if found:
            said.append(found.group(1).strip())
    return said


def hear(pattern, since, what, seconds=10.0):
    """Waits until Orca says a line matching `pattern` after its first `since` lines."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        said = spoken()
        for line in said[since:]:
            if re.search(pattern, line):
                check(True, f"{what}: Orca says '{line}'")
                return len(said)
        time.sleep(0.1)
    check(False, f"{what}: Orca never says /{pattern}/; it said {spoken()[since:]}")
    return len(spoken())


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)


def hear_after(names, pattern, since, what):
    """Presses the keys `names`, then waits as hear() does."""
    keys(*names)
    return hear(pattern, since, what)


def main():
    for setting in (("org.gnome.desktop.a11y.applications", "screen-reader-enabled"),
                    ("org.gnome.desktop.interface", "toolkit-accessibility")):
        subprocess.run(["gsettings", "set", *setting, "true"], check=True)
    helpers = [subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL),
               subprocess.Popen(["/usr/bin/python3", "-c", ORCA, LOG],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    program = None
    try:
        hear(r"^Screen reader on", 0, "Orca starts", 30.0)
        program = subprocess.Popen([os.environ["NUMBRELLA_PROGRAM"]],
                                   env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                                   stderr=subprocess.DEVNULL)
        # The window and its focus, in the order Orca happens to take their events.
        at = max(hear(r"^Numbrella Calculator - Untitled frame", 0, "the window's name", 30.0),
                 hear(r"^Operand 1 text\.$", 0, "the first field, not read only"))

        at = hear_after(("Tab", "Tab"), r"^Answer empty label", at, "the empty answer")
        at = hear_after(("shift+Tab", "shift+Tab"), r"^Operand 1\b", at, "back in operand 1")

        at = hear_after(("7", "plus", "5", "Return"), r"Answer 12\.00000", at, "7 + 5 Return")
        at = hear_after(("2", "r"), r"Answer 0\.50000", at, "2 r")
        check(sum("12.00000" in line for line in spoken()) == 1, "the answer 12 is said once")

        app = wait_for(application, "program on the accessibility bus", 20.0)
        for name in ("9", "Multiply", "3", "Equals"):
            found = all_of(app, "push button", name)
            if check(len(found) == 1, f"one key is named '{name}'"):
                press(found[0])
        at = hear(r"Answer 27\.00000", at, "a screen reader's Press on 9 X 3 =")

        # Every key of the keypad and the operators, met by Tab: each said once.
        keys("Escape")
        for _ in range(80):
            keys("Tab")
            met = spoken()[at:]
            if "Multiply push button." in met and "Pi push button." in met:
                break
            time.sleep(0.2)
        said = spoken()
        check("Multiply push button." in said[at:], "Tab reached Multiply")
        at = hear(r"^Pi push button", at, "Tab through the keys")
        repeated = [name for name, after in zip(said, said[1:]) if name.endswith(" push button.")
                    and after.rstrip(".") == name[:-len(" push button.")]]
        check(not repeated, f"no key's name is said twice: {repeated}")

        at = hear_after(("F6", "F6"), r"^Workboard\b", at, "F6 twice reaches the workboard")
        at = hear_after(("shift+F6", "shift+F6"), r"^Operand 1\b", at,
                        "Shift+F6 twice goes back to the worksheet")

        at = hear_after(("8", "slash", "0", "Return"), r"You cannot divide by zero", at,
                        "the divide-by-zero message")
        check(any(line.startswith("alert ") for line in spoken()[at - 3:at]), "said as an alert")
        keys("Return")
    finally:
        for process in ([program] if program else []) + helpers:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
    return report()


if __name__ == "__main__":
    sys.exit(main())
