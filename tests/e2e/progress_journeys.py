#!/usr/bin/env python3
"""The learner's journeys across days: a passage graded today comes back on
"Today" when it is due, and the practice log survives a program killed
outright. Run as journeys.py is, with one of these journeys' names."""

import math
import os
import signal
import sqlite3
import sys
import time

import harness
import journeys
from harness import check, wait_until
from journeys import (allowance, choose_range, expect_clean_exit, first_chapter, journey,
                      range_chapter, read_verse, shortest_verse, tones)

# The grade strip's and the "Today" panel's cream, near their top corners
# (src/app/pictures/grade_strip.svg, today_panel.svg).
CREAM = (0xfb, 0xf6, 0xe6)


def database(program):
    return os.path.join(program.env["XDG_DATA_HOME"], "hifz", "progress.sqlite")


def corner(program, name):
    x, y, _, _ = program.layout.rect(name)
    return (x + 8, y + 8)


@journey
def review_today(program):
    """A range graded "جيدة" is listed on "Today" once the program starts with
    its clock moved on by the interval the grade gave, and one click on it
    reads it again, heard on the sink."""
    verses = [2, 3]
    chapter = range_chapter(program, verses)
    program.choose_chapter(chapter)
    expected = [harness.Layout.verse_seconds(chapter, v)[0] for v in verses]
    choose_range(program, chapter, 2, 3, "once")
    program.read(chapter, lambda: program.click_verse(chapter, 3), allowance(expected))
    program.wait_for_colour("the grade strip", corner(program, "GradeStrip"), CREAM, timeout=5)
    program.click("GradeGood")
    wait_until("the grade strip to go", lambda: not harness.colour_near(
        program.colour_at(corner(program, "GradeStrip")), CREAM), 5)
    with sqlite3.connect(database(program)) as db:
        cards = db.execute("SELECT chapter, first_verse, last_verse, due - last_review"
                           " FROM cards").fetchall()
    number = chapter["number"]
    check(len(cards) == 1 and cards[0][:3] == (number, 2, 3), f"the cards kept: {cards}")
    interval = math.ceil(cards[0][3] / 1000)
    print(f"graded good: due again in {interval} s")

    # Not due yet: the panel lists it nowhere.
    program.click("TodayButton")
    panel = corner(program, "TodayPanel")
    program.wait_for_colour("the Today panel", panel, CREAM, timeout=10)
    due_entry = program.layout.rect("TodayEntry(1)")
    nothing_due = program.region(due_entry)
    program.click("TodayClose")
    wait_until("the Today panel to close",
               lambda: not harness.colour_near(program.colour_at(panel), CREAM), 5)
    harness.run(program.tools.close_window, program.window)
    expect_clean_exit(program)

    program.env["HIFZ_TEST_CLOCK_OFFSET"] = str(interval + 60)
    program.start()
    program.click("TodayButton")
    program.wait_for_colour("the Today panel", panel, CREAM, timeout=10)
    wait_until("the passage listed as due", lambda: harness.changed(
        program.region(due_entry), nothing_due) > 3, 10)
    print("the passage is listed on Today")
    segments = program.read(chapter, lambda: program.click("TodayEntry(1)"), allowance(expected))
    # The plays' sound, whatever pieces a busy machine cuts it into; the log
    # says which plays ran to their end.
    heard = sum(piece.length for piece in tones(program, segments))
    print(f"heard {heard:.2f} s of the verses' tone; the passage lasts {sum(expected):.2f} s")
    check(heard >= 0.7 * sum(expected), "the passage was not heard")
    with sqlite3.connect(database(program)) as db:
        last = db.execute("SELECT chapter, first_verse, last_verse, way, plays_heard"
                          " FROM readings ORDER BY id DESC LIMIT 1").fetchone()
    check(last == (number, 2, 3, "range once", 2), f"the last reading kept: {last}")


@journey
def killed_while_reading(program):
    """Killed with SIGKILL in the middle of a reading, the program leaves a
    sound log holding every reading that ended before."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    verse = shortest_verse(chapter)["verse"]
    for _ in range(2):
        read_verse(program, chapter, verse, 1)
    since = program.recorder.now()
    program.click_verse(chapter, verse)
    program.recorder.wait_for_sound("the third reading", since, 20)
    program.process.send_signal(signal.SIGKILL)
    program.process.wait()
    print("killed during the third reading")
    with sqlite3.connect(database(program)) as db:
        integrity = db.execute("PRAGMA integrity_check").fetchone()[0]
        readings = db.execute("SELECT chapter, first_verse, last_verse, way, plays_heard"
                              " FROM readings ORDER BY id").fetchall()
    print(f"integrity: {integrity}; readings: {readings}")
    check(integrity == "ok", f"the log's integrity check says {integrity}")
    number = chapter["number"]
    check(readings == [(number, verse, verse, "one verse", 1)] * 2,
          f"the readings kept: {readings}")


if __name__ == "__main__":
    sys.exit(journeys.main())
