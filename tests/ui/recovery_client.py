# SPDX-License-Identifier: GPL-3.0-or-later
"""The workboard survives the program's end: calculations typed, the program killed
(SIGKILL), started again and the restore question answered Yes on the accessibility
bus; the same after SIGTERM; then a clean close, which leaves no copy, and a start that
asks nothing. Run by screen_reader_test.sh with "self", which leaves starting the
program to this client."""
import glob
import os
import signal
import subprocess
import sys

from screen_reader_client import (all_of, application, check, one, pump, report,  # noqa: E402
                                  text_of, wait_for)

STATE = os.path.join(os.environ["NUMBRELLA_WORK"], "state")


def copies():
    return sorted(glob.glob(os.path.join(STATE, "numbrella", "*")))


def start():
    environment = dict(os.environ, XDG_STATE_HOME=STATE, LANGUAGE="en")
    program = subprocess.Popen([os.environ["NUMBRELLA_PROGRAM"]], env=environment,
                               stderr=subprocess.DEVNULL)
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                             "Numbrella Calculator"], capture_output=True, text=True,
                            timeout=20, check=True).stdout.split()[0]
    return program, window


def calculator(app):
    for window in all_of(app, "frame") + all_of(app, "window"):
        if one(window, "text", "Workboard") is not None:
            return window
    return None


def workboard(app):
    return text_of(one(wait_for(lambda: calculator(app), "calculator window"), "text",
                       "Workboard"))


def type_calculation(app, window, keys):
    field = [f for f in all_of(calculator(app), "text") if f.name.startswith("Operand 1")]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    box = field[0].queryComponent().getExtents(0)
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], check=True)
    pump(0.3)
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        pump(0.1)
    pump(2.5)  # the copy follows within two seconds


def answer(app, question_title, button):
    def dialog():
        for window in all_of(app, "dialog") + all_of(app, "alert"):
            if window.name == question_title:
                return window
        return None
    box = wait_for(dialog, f"question '{question_title}'", 20.0)
    push = [b for b in all_of(box, "push button") if b.name.replace("&", "") == button][0]
    actions = push.queryAction()
    actions.doAction(0)
    pump(1.0)


def ended_with(how, keys):
    program, window = start()
    app = wait_for(application, "program on the accessibility bus", 20.0)
    type_calculation(app, window, keys)
    record = workboard(app)
    program.send_signal(how)
    status = program.wait(10)
    check(len([c for c in copies() if c.endswith(".recovery")]) == 1,
          f"after {how.name} one copy is left: {copies()}")
    if how == signal.SIGTERM:
        check(status == 0, f"SIGTERM ends the program normally ({status})")
    pump(0.5)
    return record


def restored(record):
    program, window = start()
    app = wait_for(application, "program on the accessibility bus", 20.0)
    answer(app, "Restore Your Work?", "Yes")
    check(workboard(app) == record, f"the workboard is back byte for byte: {workboard(app)!r}")
    return program, window, app


def main():
    record = ended_with(signal.SIGKILL, ["7", "plus", "5", "Return"])
    check("7  +  5  =  12.00000" in record, f"the workboard held the calculation: {record!r}")
    program, window, app = restored(record)
    type_calculation(app, window, ["2", "asterisk", "3", "Return"])
    record = workboard(app)
    program.send_signal(signal.SIGTERM)
    program.wait(10)
    check(len([c for c in copies() if c.endswith(".recovery")]) == 1,
          f"after SIGTERM one copy is left: {copies()}")
    program, window, app = restored(record)
    # A clean close: Exit, and the save question answered No.
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "ctrl+x"], check=True)
    answer(app, "Save Your Work?", "No")
    check(program.wait(10) == 0, "the program ends after the save question")
    check(copies() == [], f"a clean end leaves nothing behind: {copies()}")
    program, window = start()
    app = wait_for(application, "program on the accessibility bus", 20.0)
    pump(2.0)
    check(not all_of(app, "dialog") and not all_of(app, "alert"), "the next start asks nothing")
    program.terminate()
    program.wait(10)
    check(copies() == [], f"nothing unsaved, nothing left: {copies()}")
    return report()


if __name__ == "__main__":
    sys.exit(main())
