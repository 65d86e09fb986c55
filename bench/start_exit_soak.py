#!/usr/bin/env python3
"""Starts the built program again and again on one display and leaves it
through its exit movie each time; prints how many of the starts showed the
top menu and ended with status 0. Run inside scripts/headless.

Usage: start_exit_soak.py --program P --make-content M --layout L [--starts N]

Every start runs on the same X server and sound server, as a user's session
does, so a server that cannot take a new client right after the last one
left shows here as a start that never draws its window.
"""

import argparse
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "tests", "e2e"))

import harness  # noqa: E402
from harness import JourneyFailed, wait_until  # noqa: E402


def start(program):
    """Starts the process and waits for its top menu; fails at once when the
    process ends first."""
    program.launch()

    def window():
        if program.process.poll() is not None:
            raise JourneyFailed(f"the process ended with status {program.process.returncode} "
                                "before its window showed")
        return program.find_window()
    program.window = wait_until("the main window", window, 60, interval=0.1)
    program.wait_for_stage_colour("the top menu", "TopMenu", "topMenu",
                                  program.layout.content["topMenu"]["1-1"], harness.CREAM)


def leave(program):
    """The exit movie's "yes"; returns the exit status."""
    exits = program.layout.content["exit"]
    program.click("Image12")
    program.wait_for_stage_colour("the exit movie", "ExitMe", "topMenu", exits["1"], harness.CREAM)
    program.click_stage("ExitMe", "topMenu", exits["1"])
    return program.wait_for_exit(30)


def one_round(program):
    """None when the round went well, else what went wrong."""
    try:
        start(program)
        status = leave(program)
        return None if status == 0 else f"exit status {status}"
    except JourneyFailed as failure:
        return str(failure)
    finally:
        if program.process.poll() is None:
            program.process.kill()
            program.process.wait()


def main():
    parser = argparse.ArgumentParser()
    for option in ("program", "make-content", "layout"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--starts", type=int, default=200)
    tools = parser.parse_args()
    program = harness.Program(tools)
    clean = 0
    began = time.monotonic()
    try:
        for number in range(1, tools.starts + 1):
            failure = one_round(program)
            if failure is None:
                clean += 1
            else:
                print(f"start {number}: {failure}\n{program.log()[-800:]}", file=sys.stderr)
    finally:
        program.close()
    print(f"{clean} of {tools.starts} starts showed the menu and ended with status 0 "
          f"({time.monotonic() - began:.0f} s)")
    return 0 if clean == tools.starts else 1


if __name__ == "__main__":
    sys.exit(main())
