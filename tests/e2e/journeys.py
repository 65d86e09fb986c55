#!/usr/bin/env python3
"""The learner's journeys through the built program, one per CTest test.

Usage: journeys.py NAME --program P --make-content M --layout L --close-window C
Run inside scripts/headless. Prints what it observed; exits 0 when the journey
went as the learner expects, 1 with the reason otherwise.
"""

import argparse
import os
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

import harness
from harness import check, describe, JourneyFailed, wait_until

# How far a heard play may differ from its movie's length: the fades at both
# ends sit partly under the threshold, and a busy machine stretches a play.
LENGTH_TOLERANCE = 0.35
POLL_PERIOD = 0.5
# From the poll noticing the end of a play to the next play being heard: the
# movie's load and the player's start, on a busy machine.
LOAD_ALLOWANCE = 0.6

# From the press of the stop button to silence: the click's way through the
# page to the program, and the slot's reload.
STOP_ALLOWANCE = 0.6

JOURNEYS = {}


def journey(function):
    JOURNEYS[function.__name__.replace("_", "-")] = function
    return function


def tones(program, segments):
    """The pieces of verse plays among the segments: the tone's pitch, not a blip."""
    pitch = program.layout.content["tonePitch"]
    return [s for s in segments
            if s.length >= harness.BLIP_SECONDS and abs(s.frequency - pitch) < 0.05 * pitch]


def expect_plays(what, pieces, expected):
    """Checks the plays heard against the movies' lengths; returns the plays."""
    heard = harness.fitted(pieces, expected, LENGTH_TOLERANCE)
    stalled = sum(len(play.pieces) - 1 for play in heard)
    if stalled:
        print(f"{what}: the sound stalled {stalled} times within plays")
    lengths = ", ".join(f"{s.length:.2f}" for s in heard)
    print(f"{what}: sounding segments: {describe(pieces)}")
    print(f"{what}: heard {len(heard)} plays [{lengths}] s, expected "
          f"[{', '.join(f'{e:.2f}' for e in expected)}] s")
    check(len(heard) == len(expected),
          f"{what}: {len(heard)} plays heard, {len(expected)} expected ({describe(heard)})")
    for number, (segment, length) in enumerate(zip(heard, expected), 1):
        check(abs(segment.length - length) <= LENGTH_TOLERANCE,
              f"{what}: play {number} lasted {segment.length:.2f} s, its movie {length:.2f} s")
    return heard


def gaps(segments):
    return [b.start - a.end for a, b in zip(segments, segments[1:])]


def print_gaps(segments):
    print("gaps between plays: " + ", ".join(f"{g:.2f}" for g in gaps(segments)) + " s")


def wait_for_change(program, what, rect, before, timeout=20):
    return wait_until(what, lambda: harness.changed(program.region(rect), before) > 3, timeout,
                      0.1)


def click_and_see(program, control, watched, what):
    """Clicks a control until the watched control's region changes."""
    rect = program.layout.rect(watched)
    before = program.region(rect)
    program.click_until(what, lambda: program.click(control),
                        lambda: harness.changed(program.region(rect), before) > 3, each=8)


def open_options(program):
    click_and_see(program, "Image19", "Repeat", "the options panel")


def close_options(program):
    click_and_see(program, "Image18", "Repeat", "the options panel to close")


def set_repeats_with_arrows(program, count):
    open_options(program)
    for _ in range(count - 1):
        click_and_see(program, "Label9", "Repeat", "the repeat count to grow")
    close_options(program)


def shortest_verse(chapter):
    whole = [m for m in chapter["movies"] if m["breaths"] == 1]
    return min(whole, key=lambda m: m["seconds"])


def first_chapter(program):
    return program.layout.chapters[0]


def allowance(lengths):
    """Time enough for plays of these lengths, however busy the machine."""
    return 2 * sum(lengths) + len(lengths) * (POLL_PERIOD + LOAD_ALLOWANCE) + 30


def read_verse(program, chapter, verse, repeats, pause=0):
    length = harness.Layout.verse_seconds(chapter, verse)[0]
    segments = program.read(chapter, lambda: program.click_verse(chapter, verse),
                            allowance([length + pause] * repeats))
    print("the chapter menu is back")
    return length, segments


@journey
def repeat_three(program):
    """A verse with the repeat count 3 is heard three times, then the menu is back."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    set_repeats_with_arrows(program, 3)
    verse = shortest_verse(chapter)["verse"]
    length, segments = read_verse(program, chapter, verse, 3)
    heard = expect_plays(f"verse {verse} of {chapter['folder']}", tones(program, segments),
                         [length] * 3)
    print_gaps(heard)


# The grade strip's panel, near its top corner (src/app/pictures/grade_strip.svg).
GRADE_STRIP = (0xfb, 0xf6, 0xe6)


@journey
def grade_good(program):
    """A verse read to its end offers the grades; "جيدة" keeps the verse's card
    and its review in the progress database, and the strip goes away."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    verse = shortest_verse(chapter)["verse"]
    x, y, _, _ = program.layout.rect("GradeStrip")
    corner = (x + 6, y + 6)
    read_verse(program, chapter, verse, 1)
    program.wait_for_colour("the grade strip", corner, GRADE_STRIP, timeout=5)
    print("the grade strip shows")
    program.click("GradeGood")
    wait_until("the grade strip to go",
               lambda: not harness.colour_near(program.colour_at(corner), GRADE_STRIP), 5)
    database = os.path.join(program.env["XDG_DATA_HOME"], "hifz", "progress.sqlite")
    with sqlite3.connect(database) as db:
        cards = db.execute("SELECT chapter, first_verse, last_verse, state, reps FROM cards").fetchall()
        reviews = db.execute("SELECT chapter, first_verse, last_verse, grade FROM reviews").fetchall()
    number = chapter["number"]
    check(cards == [(number, verse, verse, "learning", 1)], f"the cards kept: {cards}")
    check(reviews == [(number, verse, verse, "good")], f"the reviews kept: {reviews}")
    print(f"kept: {cards[0]}, reviewed {reviews[0][3]}")


@journey
def verse_at_start_volume(program):
    """A verse clicked after start-up is heard once, at its pitch and at the
    loudness of the volume start-up sets."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    length, segments = read_verse(program, chapter, 1, 1)
    heard = expect_plays(f"verse 1 of {chapter['folder']}", tones(program, segments), [length])
    loudest = max(piece.peak for play in heard for piece in play.pieces)
    # The sound server applies the speakers' volume on its cubic scale.
    level = program.layout.volume_steps[0] / 65535
    wanted = program.layout.content["toneLoudness"] * level ** 3
    print(f"heard at {heard[0].pieces[0].frequency:.0f} Hz, peak {loudest:.3f} of full scale, "
          f"{wanted:.3f} expected at the start-up volume")
    check(abs(loudest - wanted) <= 0.2 * wanted, "the verse was not heard at the start-up volume")


@journey
def typed_repeat(program):
    """Typing "3" into the repeat count, then a verse: heard three times."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    open_options(program)
    rect = program.layout.rect("Repeat")
    before = program.region(rect)
    program.click("Repeat")
    program.type_keys("End", "BackSpace", "3")
    wait_for_change(program, "the typed repeat count", rect, before)
    close_options(program)
    verse = shortest_verse(chapter)["verse"]
    length, segments = read_verse(program, chapter, verse, 3)
    expect_plays(f"verse {verse}, typed count 3", tones(program, segments), [length] * 3)


@journey
def pause_mode(program):
    """Pause 2 s: each gap is the verse's length plus 2 s within one poll
    period, and a beep starts each gap."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    open_options(program)
    for _ in range(2):
        click_and_see(program, "Label9", "Repeat", "the repeat count to grow")
    click_and_see(program, "Image5(1)", "Label7", "the pause of 2 s")
    close_options(program)
    verse = shortest_verse(chapter)["verse"]
    length = harness.Layout.verse_seconds(chapter, verse)[0]
    _, segments = read_verse(program, chapter, verse, 3, pause=length + 2)
    pieces = tones(program, segments)
    heard = expect_plays(f"verse {verse} in pause mode", pieces, [length] * 3)
    print_gaps(heard)
    wanted = length + 2
    problems = []
    for number, gap in enumerate(gaps(heard), 1):
        if not wanted - 0.15 <= gap <= wanted + POLL_PERIOD + LOAD_ALLOWANCE:
            problems.append(f"gap {number} lasted {gap:.2f} s; the verse's length plus 2 s is "
                            f"{wanted:.2f} s")
    for before, after in zip(heard, heard[1:]):
        beeps = [s for s in segments if before.end - 0.05 <= s.start <= before.end + POLL_PERIOD +
                 0.3 and s.start < after.start and s not in pieces]
        print(f"in the gap from {before.end:.2f} s: {describe(beeps)}")
        if not beeps:
            problems.append(f"no beep at the start of the gap after {before.end:.2f} s")
    check(not problems, "; ".join(problems))


def distinct_lengths(chapter, verses):
    if chapter["verses"] < max(verses):
        return False
    lengths = [harness.Layout.verse_seconds(chapter, v) for v in verses]
    if any(len(parts) != 1 for parts in lengths):
        return False
    flat = sorted(parts[0] for parts in lengths)
    return all(b - a >= 0.35 for a, b in zip(flat, flat[1:]))


def range_chapter(program, verses):
    for chapter in program.layout.chapters:
        if distinct_lengths(chapter, verses):
            return chapter
    raise JourneyFailed(f"no sample chapter has verses {verses} of distinct lengths")


# The range panel's buttons for its three ways of reading a range.
RANGE_WAYS = {"once": "Image24", "without end": "Image23", "drill": "Image26"}


def choose_range(program, chapter, first, last, way):
    click_and_see(program, "Image2", "Picture4", "the range panel")
    click_and_see(program, RANGE_WAYS[way], "Picture4", "the range panel to close")
    watched = program.layout.rect("Label4")
    before = program.region(watched)
    program.click_until("the range's first verse", lambda: program.click_verse(chapter, first),
                        lambda: harness.changed(program.region(watched), before) > 3)


@journey
def range_in_order(program):
    """A range of verses 2 to 4 is heard in order, then the menu is back."""
    verses = [2, 3, 4]
    chapter = range_chapter(program, verses)
    program.choose_chapter(chapter)
    expected = [harness.Layout.verse_seconds(chapter, v)[0] for v in verses]
    choose_range(program, chapter, 2, 4, "once")
    segments = program.read(chapter, lambda: program.click_verse(chapter, 4), allowance(expected))
    heard = expect_plays(f"verses 2 to 4 of {chapter['folder']}", tones(program, segments),
                         expected)
    for play, verse, length in zip(heard, verses, expected):
        nearest = min(expected, key=lambda e: abs(e - play.length))
        check(nearest == length, f"the play heard for verse {verse} sounds like another verse")
    print_gaps(heard)


@journey
def range_without_end(program):
    """The continuous range wraps until the stop button; stop is silent at once."""
    verses = [2, 3]
    chapter = range_chapter(program, verses)
    program.choose_chapter(chapter)
    choose_range(program, chapter, 2, 3, "without end")
    since = program.recorder.now()
    program.click_verse(chapter, 3)
    expected = [harness.Layout.verse_seconds(chapter, v)[0] for v in verses * 2]
    # The fourth play, verse 3 again, is under way when the stop is pressed;
    # the third heard whole, so that a stall within it is not taken for the
    # fourth's start.
    def fourth_started():
        pieces = tones(program, program.recorder.segments(since))
        plays = harness.fitted(pieces, expected, LENGTH_TOLERANCE)
        return len(plays) >= 4 and abs(plays[2].length - expected[2]) <= LENGTH_TOLERANCE \
            and program.recorder.sounding()
    wait_until("the range to wrap", fourth_started,
               2 * sum(expected) + 4 * (POLL_PERIOD + LOAD_ALLOWANCE) + 20, 0.05)
    time.sleep(0.3)
    pressed = program.click("playing")
    time.sleep(3)
    pieces = tones(program, program.recorder.segments(since))
    heard = harness.fitted(pieces, expected, LENGTH_TOLERANCE)
    expect_plays(f"verses 2, 3, 2 of {chapter['folder']} before the stop",
                 [p for p in pieces if p.start < heard[-1].start], expected[:3])
    print_gaps(heard)
    last = program.recorder.segments(since)[-1]
    print(f"stop pressed at {pressed:.2f} s; the sound ended at {last.end:.2f} s")
    check(len(heard) == 4, f"{len(heard)} plays heard, 4 expected ({describe(heard)})")
    check(last.end - pressed <= STOP_ALLOWANCE,
          f"sound went on {last.end - pressed:.2f} s after the stop button")


@journey
def range_drill(program):
    """Verses 1 to 3 drilled with the repeat count 2: each verse twice alone,
    then joined to the verses before it once, heard in that order."""
    verses = [1, 2, 3]
    chapter = range_chapter(program, verses)
    program.choose_chapter(chapter)
    set_repeats_with_arrows(program, 2)
    order = [1, 1, 2, 2, 1, 2, 3, 3, 1, 2, 3]
    length = {v: harness.Layout.verse_seconds(chapter, v)[0] for v in verses}
    expected = [length[v] for v in order]
    choose_range(program, chapter, 1, 3, "drill")
    segments = program.read(chapter, lambda: program.click_verse(chapter, 3), allowance(expected))
    heard = expect_plays(f"verses 1 to 3 of {chapter['folder']} drilled", tones(program, segments),
                         expected)
    for number, (play, verse) in enumerate(zip(heard, order), 1):
        nearest = min(verses, key=lambda v: abs(length[v] - play.length))
        check(nearest == verse, f"play {number} sounds like verse {nearest}, not verse {verse}")
    print("heard in the order " + ", ".join(str(v) for v in order))
    print_gaps(heard)


def settings_file(program):
    path = os.path.join(program.env["XDG_CONFIG_HOME"], "hifz", "hifz.conf")
    with open(path) as kept:
        return kept.read()


@journey
def remembered(program):
    """The repeat count, the pause and a chapter's range chosen in one run
    are there in the next, and the range read again with one click."""
    verses = [2, 3]
    chapter = range_chapter(program, verses)
    program.choose_chapter(chapter)
    range_rects = [program.layout.rect("Label4"), program.layout.rect("Label5")]
    no_range = program.regions(range_rects)
    open_options(program)
    for _ in range(2):
        click_and_see(program, "Label9", "Repeat", "the repeat count to grow")
    click_and_see(program, "Image5(1)", "Label7", "the pause of 2 s")
    chosen = program.regions([program.layout.rect("Repeat"), program.layout.rect("Label7")])
    close_options(program)
    choose_range(program, chapter, 2, 3, "once")
    page = chapter["pages"][0]
    showing = program.menu_page_showing(page)
    program.click_until("the range to start", lambda: program.click_verse(chapter, 3),
                        lambda: not showing())
    click_and_see(program, "playing", "playing", "the stop button to go")
    # Stopped, the labels show the range just read, the one a click reads again.
    shown_range = wait_until("the last range beside the section button", lambda: (
        r := program.regions(range_rects)) and all(harness.changed(a, b) > 3
                                                    for a, b in zip(r, no_range)) and r, 10)
    harness.run(program.tools.close_window, program.window)
    expect_clean_exit(program)
    kept = settings_file(program)
    print("kept:\n" + kept)
    # A chapter's range is kept under its number in the Quran.
    for line in ("repeat=3", "pause=2", f"\n{chapter['number']}=2 3 once"):
        check(line in kept, f"the settings file does not hold {line}")

    program.start()
    program.choose_chapter(chapter)
    wait_until("the kept range beside the section button", lambda: all(
        harness.changed(a, b) <= 3 for a, b in zip(program.regions(range_rects), shown_range)), 10)
    open_options(program)
    for name, before, after in zip(("repeat count", "pause"), chosen,
                                   program.regions([program.layout.rect("Repeat"),
                                                    program.layout.rect("Label7")])):
        check(harness.changed(before, after) <= 3, f"the {name} is not the one chosen")
    close_options(program)
    print("the repeat count, the pause and the range are shown as chosen")
    since = program.recorder.now()
    program.click_until("the kept range to start", lambda: program.click("Label4"),
                        lambda: not showing())
    first = length_of_first_play(program, since)
    expected = harness.Layout.verse_seconds(chapter, 2)[0]
    check(abs(first - expected) <= LENGTH_TOLERANCE,
          f"the first play lasted {first:.2f} s; verse 2 lasts {expected:.2f} s")
    print(f"a click on the range reads it: verse 2 heard first, {first:.2f} s")


def length_of_first_play(program, since):
    def ended():
        pieces = tones(program, program.recorder.segments(since))
        return pieces and not program.recorder.sounding() and pieces[0]
    return wait_until("the first play to end", ended, 60, 0.1).length


def short_chapter(program):
    """The chapter whose reading takes least time."""
    return min(program.layout.chapters, key=lambda c: sum(m["seconds"] for m in c["movies"]))


@journey
def whole_chapter_by_verse(program):
    """The whole chapter verse by verse: every verse movie once, in order, and
    no whole-chapter movie."""
    chapter = short_chapter(program)
    program.choose_chapter(chapter)
    expected = [m["seconds"] for m in chapter["movies"]]
    segments = program.read(chapter, lambda: program.click("Image1"), allowance(expected))
    heard = expect_plays(f"{chapter['folder']} verse by verse", tones(program, segments),
                         expected)
    print_gaps(heard)


@journey
def whole_chapter_one_movie(program):
    """The whole chapter as one movie: the verses one after another."""
    chapter = short_chapter(program)
    program.choose_chapter(chapter)
    stretches = {}
    for movie in chapter["movies"]:
        stretches[movie["verse"]] = stretches.get(movie["verse"], 0) + movie["seconds"]
    expected = list(stretches.values())
    segments = program.read(chapter, lambda: program.click("Image4"), allowance(expected))
    heard = expect_plays(f"{chapter['folder']} as one movie", tones(program, segments),
                         expected)
    print_gaps(heard)


@journey
def breaths(program):
    """A verse split into breaths is heard breath by breath, and nothing else."""
    split = [c for c in program.layout.chapters
             if any(m["verse"] == 22 and m["breaths"] > 1 for m in c["movies"])]
    check(split, "no sample chapter splits verse 22 into breaths")
    chapter = split[0]
    expected = harness.Layout.verse_seconds(chapter, 22)
    program.choose_chapter(chapter)
    click_and_see(program, "Image3", "Picture3", "the breaths panel")
    click_and_see(program, "Picture3", "Picture3", "the breaths panel to close")
    page = harness.Layout.page_of(chapter, 22)
    program.show_page(chapter, page)
    segments = program.read(chapter, lambda: program.click_verse(chapter, 22, page),
                            allowance(expected), page=page)
    heard = expect_plays(f"verse 22 of {chapter['folder']} in breaths",
                         tones(program, segments), expected)
    print_gaps(heard)


@journey
def word_view_stays(program):
    """The difficult-words view stays 20 s after a reading was going on."""
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    verse = max((m for m in chapter["movies"] if m["breaths"] == 1),
                key=lambda m: m["seconds"])["verse"]
    since = program.recorder.now()
    program.click_verse(chapter, verse)
    program.recorder.wait_for_sound(f"verse {verse}", since, 20)
    display = program.layout.rect("flash1")
    before = program.region(display)
    program.click("Image16")
    wait_for_change(program, "the words page", display, before)
    shown = program.wait_for_steady("the words page", display)
    settled = program.recorder.now()
    start = time.monotonic()
    while time.monotonic() - start < 20:
        time.sleep(2)
        now = program.region(display)
        check(harness.difference(now, shown) < 3,
              f"the words page changed {time.monotonic() - start:.1f} s after it showed")
    # The verse's sound may trail the click for a moment; a reading going on
    # behind the words page would sound after the page had settled.
    later = tones(program, program.recorder.segments(settled))
    print(f"words page unchanged for 20 s; heard after it showed: {describe(later)}")
    check(not later, "a reading went on behind the words page")


# Short lines, none of which wraps on the page: one line of text each.
OBJECTIVES = ["سورة قصيرة", "آياتها ست", "نزلت بمكة", "فيها استعاذة", "بالله"]


@journey
def objectives_text(program):
    """The objectives page shows the Arabic text of the chapter's "TFS.txt",
    written in the Arabic code page with Windows line ends."""
    chapter = first_chapter(program)
    with open(program.data_path(*chapter["folder"].split("/"), "TFS.txt"), "wb") as text:
        text.write("\r\n".join(OBJECTIVES).encode("cp1256"))
    program.choose_chapter(chapter)
    rect = program.layout.rect("Label12")
    before = program.region(rect)
    program.click("Image17")
    wait_for_change(program, "the objectives page", rect, before)
    shown = program.wait_for_steady("the objectives text", rect)
    bands = ink_bands(shown, rect)
    print(f"objectives page: {len(bands)} lines of text drawn, {len(OBJECTIVES)} in TFS.txt")
    check(len(bands) == len(OBJECTIVES), "the drawn lines do not match the lines of TFS.txt")


def ink_bands(region, rect, step=2):
    """Rows of the region holding dark text, grouped into lines: the dots and
    marks above and below a line's letters, a few rows off, belong to it."""
    width = len(range(0, int(round(rect[2])), step))
    rows = [region[i:i + width] for i in range(0, len(region), width)]
    inked = [sum(1 for p in row if sum(p) < 200) >= 2 for row in rows]
    bands = []
    for index, ink in enumerate(inked):
        if ink and (not bands or index - bands[-1][1] > 5):
            bands.append([index, index])
        elif ink:
            bands[-1][1] = index
    return bands


def expect_lists_behind_strip(program):
    """Nothing of the chapter lists shows beside the top menu strip that hides
    them: there the menu screen is its own colour only."""
    layout = program.layout
    panel = layout.rect("Picture8")
    corner = (panel[0] + 1, panel[1] + 1, 1, 1)
    fill, *regions = program.regions(
        [corner] + layout.beside(layout.list_slots(), "Picture8", "Picture12"))
    strays = sum(1 for region in regions for colour in region
                 if not harness.colour_near(colour, fill[0], 4))
    check(strays == 0, f"{strays} pixels of the chapter lists show beside the top menu strip")


@journey
def missing_chapter(program):
    """The menu screen keeps the chapter lists hidden behind the top menu. A
    chapter folder removed: the notice shows, and the main window ignores
    clicks until OK."""
    chapter, other = program.layout.chapters[0], program.layout.chapters[1]
    content = program.layout.content
    group = chapter["group"]
    slot = program.layout.list_slot(group)
    area = content["chapterLists"][group][chapter["key"]]
    expect_lists_behind_strip(program)
    print("nothing of the chapter lists shows beside the top menu")
    program.open_group(group, area)
    program.click_stage(slot, "chapterList", area)
    notice = wait_until("the missing-chapter notice", lambda: program.find_window("^MsgForm$"),
                        20, 0.1)
    print("the notice shows")
    menu_tile = program.tile_point("flash1", "main", other["pages"][0]["buttons"]["1"])
    program.click_stage(slot, "chapterList", content["chapterLists"][group][other["key"]])
    time.sleep(2)  # nothing is to happen: give the program time to do it wrongly
    check(program.find_window("^MsgForm$"), "the notice went away without OK")
    check(not harness.colour_near(program.colour_at(menu_tile), harness.CREAM),
          "the main window took a click while the notice was open")
    print("a click on another chapter was ignored")
    _, _, width, height = program.geometry(notice)
    ok = program.layout.notice_ok
    program.click_at((width / 2 + ok["fromCentre"], height + ok["fromBottom"]), window=notice)
    wait_until("the notice to close", lambda: not program.find_window("^MsgForm$"), 10, 0.1)
    program.click_stage(slot, "chapterList", content["chapterLists"][group][other["key"]])
    program.wait_for_menu_page(other, other["pages"][0], timeout=30)
    print("after OK the main window answers again")


def sink_volume():
    out = harness.run("pactl", "get-sink-volume", "hifz_null")
    return int(out.split()[2])


@journey
def volume_steps(program):
    """Volume down twice and up once: the sink's volume follows the levels."""
    expected = [int(v) * 65536 // 65535 for v in program.layout.volume_steps]
    observed = [sink_volume()]
    open_options(program)
    for button, value in zip(["Vdown", "Vdown", "VUP"], expected[1:]):
        before = observed[-1]
        program.click(button)
        observed.append(wait_until(f"the sink's volume after {button}",
                                   lambda: (v := sink_volume()) != before and v, 10))
    print(f"sink volume: {observed}, expected {expected}")
    check(observed == expected, "the sink's volume did not follow the levels")


@journey
def exit_yes(program):
    """The exit movie's "yes" ends the process with status 0."""
    exits = program.layout.content["exit"]
    program.click("Image12")
    program.wait_for_stage_colour("the exit movie", "ExitMe", "topMenu", exits["1"], harness.CREAM)
    program.click_stage("ExitMe", "topMenu", exits["1"])
    expect_clean_exit(program)


@journey
def close_window(program):
    """Closing the main window ends the process with status 0."""
    harness.run(program.tools.close_window, program.window)
    expect_clean_exit(program)


def expect_clean_exit(program, expected=0):
    status = program.wait_for_exit(20)
    log = program.log()
    print(f"exit status {status}")
    check(status == expected, f"the process ended with status {status}:\n{log[-2000:]}")
    for sign in ("double free", "corruption", "Aborted", "Segmentation"):
        check(sign not in log, f"stderr says \"{sign}\":\n{log[-2000:]}")


XORG_CONFIG = """
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1280x1024" "1024x768" "800x600"
    Virtual 1280 1024
  EndSubSection
EndSection
"""


class DummyServer:
    """An X server on the dummy driver, offering several screen modes."""

    def __init__(self):
        self.work = tempfile.mkdtemp(prefix="hifz-xorg-")
        config = os.path.join(self.work, "xorg.conf")
        with open(config, "w") as out:
            out.write(XORG_CONFIG)
        read, write = os.pipe()
        self.process = subprocess.Popen(
            ["Xorg", "-displayfd", str(write), "-config", config, "-noreset", "-nolisten", "tcp",
             "-logfile", os.path.join(self.work, "xorg.log")],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise JourneyFailed("the dummy X server did not start:\n" + self.log())
        self.display = ":" + number

    def log(self):
        try:
            with open(os.path.join(self.work, "xorg.log")) as log:
                return log.read()[-3000:]
        except OSError:
            return ""

    def screen_size(self):
        out = harness.run("xrandr", "--current", env=dict(os.environ, DISPLAY=self.display))
        current = out.split("current", 1)[1].split(",", 1)[0].split("x")
        return int(current[0]), int(current[1])

    def close(self):
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def background_point(layout):
    """A point of the window that no shown control covers."""
    _, _, width, height = layout.rect("Form1")
    covered = [c["rect"] for name, c in layout.controls.items() if name != "Form1" and c["shown"]]
    for y in range(10, int(height) - 10, 10):
        for x in range(10, int(width) - 10, 10):
            if not any(r[0] - 3 <= x <= r[0] + r[2] + 3 and r[1] - 3 <= y <= r[1] + r[3] + 3
                       for r in covered):
                return (x, y)
    raise JourneyFailed("every point of the window lies under a control")


@journey
def full_screen(program):
    """Double-click switches the screen to 800 x 600 and back, and the window
    is centred on the restored size."""
    server = program.server
    start = server.screen_size()
    print(f"screen at start: {start[0]} x {start[1]}")
    point = background_point(program.layout)
    program.click_at(point, double=True)
    wait_until("the screen to become 800 x 600", lambda: server.screen_size() == (800, 600), 20)
    full = wait_until("the window to fill the screen",
                      lambda: (g := program.geometry()) == (0, 0, 800, 600) and g, 20, 0.1)
    print(f"full screen: screen 800 x 600, window at {full}")
    program.click_at(point, double=True)
    wait_until("the screen to come back", lambda: server.screen_size() == start, 20)
    centred = ((start[0] - 800) // 2, (start[1] - 600) // 2, 800, 600)

    def placed():
        geometry = program.geometry()
        return geometry if all(abs(a - b) <= 1 for a, b in zip(geometry, centred)) else None
    try:
        restored = wait_until("the window centred on the restored screen", placed, 10, 0.1)
    except JourneyFailed:
        raise JourneyFailed(f"the window lies at {program.geometry()}, centred would be {centred}")
    print(f"restored: screen {start[0]} x {start[1]}, window at {restored}")


@journey
def end_in_full_screen(program):
    """Asked to end by a signal while in full screen, the program puts the
    screen's size back and ends as a close of its window does."""
    server = program.server
    start = server.screen_size()
    point = background_point(program.layout)
    cases = [(signal.SIGTERM, 0), (signal.SIGHUP, 0), (signal.SIGINT, 128 + signal.SIGINT)]
    for number, (sent, expected) in enumerate(cases):
        if number:
            program.recorder.stop()
            program.start()
        program.click_at(point, double=True)
        wait_until("the screen to become 800 x 600", lambda: server.screen_size() == (800, 600), 20)
        print(f"{sent.name} in full screen")
        program.process.send_signal(sent)
        expect_clean_exit(program, expected)
        size = server.screen_size()
        print(f"screen afterwards: {size[0]} x {size[1]}")
        check(size == start, f"{sent.name}: the screen stayed {size[0]} x {size[1]}")


@journey
def no_sound_server(program):
    """Without a sound server the program says it cannot open the mixer, then
    starts whole: its menus answer clicks down to a chapter's menu. SIGTERM
    while the notice waits ends it with status 0."""
    program.launch()
    notice = wait_until("the mixer notice", lambda: program.find_window("^Hifz$"), 60, 0.1)
    check(not program.find_window(), "the main window showed before the notice was answered")
    program.xdotool("windowfocus", "--sync", notice, "key", "Return")
    program.wait_for_menu()
    chapter = first_chapter(program)
    program.choose_chapter(chapter)
    print(f"after the notice, the menu of {chapter['folder']} showed")
    # Asked to end while the notice still waits, it ends as a close does.
    program.process.kill()
    program.process.wait()
    program.recorder.stop()
    program.recorder = None
    program.launch()
    wait_until("the mixer notice again", lambda: program.find_window("^Hifz$"), 60, 0.1)
    program.process.send_signal(signal.SIGTERM)
    expect_clean_exit(program)


# Journeys that start the program themselves, in an environment of their own.
OWN_START = {"no-sound-server": {"PULSE_SERVER": "unix:/nonexistent/hifz-no-sound-server"}}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("journey", choices=sorted(JOURNEYS))
    for option in ("program", "make-content", "layout", "close-window"):
        parser.add_argument("--" + option, required=True)
    tools = parser.parse_args()
    server = DummyServer() if tools.journey in ("full-screen", "end-in-full-screen") else None
    program = harness.Program(tools, display=server.display if server else None)
    program.server = server
    try:
        if tools.journey == "missing-chapter":
            shutil.rmtree(program.data_path(*program.layout.chapters[0]["folder"].split("/")))
        if tools.journey in OWN_START:
            program.env.update(OWN_START[tools.journey])
        else:
            program.start()
        JOURNEYS[tools.journey](program)
        print(f"{tools.journey}: passed")
        return 0
    except JourneyFailed as failure:
        print(f"{tools.journey}: FAILED: {failure}", file=sys.stderr)
        if program.process:
            print("--- program's stderr (last lines) ---\n" + program.log()[-1500:], file=sys.stderr)
        if server:
            print("--- X server log ---\n" + server.log(), file=sys.stderr)
        return 1
    finally:
        program.close()
        if server:
            server.close()


if __name__ == "__main__":
    sys.exit(main())
