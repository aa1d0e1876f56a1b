# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program's command line, without a display and with one. Run by
screen_reader_test.sh with "self"."""
import os
import re
import subprocess
import sys

from recovery_client import answer, type_calculation, workboard
from screen_reader_client import all_of, application, check, report, wait_for

PROGRAM, WORK = os.environ["NUMBRELLA_PROGRAM"], os.environ["NUMBRELLA_WORK"]
RECORD = os.path.join(WORK, "Budget 2026.txt")
NO_DISPLAY = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}


def start(*arguments):
    program = subprocess.Popen([PROGRAM, *arguments], cwd=WORK, stderr=subprocess.PIPE, text=True)
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                             "Numbrella Calculator ."],  # not its messages, titled without more
                            capture_output=True, text=True, timeout=20).stdout.split()[0]
    return program, window, wait_for(application, "program on the accessibility bus", 20.0)


def read_record(app):
    text = wait_for(lambda: workboard(app) or None, "record on the workboard")
    check(text == "Rent \u20ac 900\n1  +  1  =  2.00000", f"the record is read: {text!r}")


def main():
    usage, version, bad = (subprocess.run([PROGRAM, a], env=NO_DISPLAY, capture_output=True,
                                          text=True) for a in ("--help", "-v", "--frobnicate"))
    check(usage.returncode == 0 and "[file]" in usage.stdout and "--platform" in usage.stdout,
          f"--help prints the usage: {usage}")
    check(version.returncode == 0 and re.fullmatch(r"numbrella \d+\.\d+\S*\n", version.stdout),
          f"--version: {version}")
    check(bad.returncode == 2 and "'frobnicate'" in bad.stderr and not bad.stdout, f"misuse: {bad}")
    with open(RECORD, "wb") as file:
        file.write(b"Rent \x80 900\r\n1  +  1  =  2.00000\r\n")  # Windows-1252
    program, window, app = start("Budget 2026.txt", "second.txt")
    read_record(app)
    program.terminate()
    check('"second.txt"' in program.communicate(timeout=10)[1], "the second file is not opened")
    program, window, app = start("missing.txt")
    box = wait_for(lambda: next(iter(all_of(app, "alert", "Numbrella Calculator")), None), "box")
    said = " ".join(label.name for label in all_of(box, "label"))
    check(os.path.join(WORK, "missing.txt") in said, f"the message names the file: {said!r}")
    answer(app, "Numbrella Calculator", "OK")
    type_calculation(app, window, ["7", "plus", "5", "Return"])
    check("7  +  5  =  12.00000" in workboard(app), f"the window works: {workboard(app)!r}")
    program.kill()
    program.wait(10)
    # The work the kill left comes back first, and is not replaced unasked.
    program, window, app = start(RECORD)
    answer(app, "Restore Your Work?", "Yes")
    answer(app, "Save Your Work?", "No")
    read_record(app)
    program.kill()
    return report()


if __name__ == "__main__":
    sys.exit(main())
