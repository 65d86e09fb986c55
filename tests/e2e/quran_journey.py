#!/usr/bin/env python3
"""The journey through content of chapters from across the Quran, built from
a reciter's files: An Naba from its place in the fourth group, Al Baqarah from
the first part's group, its verse 255 reached with the page strip, a range
that crosses a menu page, and the whole chapter read verse by verse where no
whole-chapter movie was made.

Usage: quran_journey.py --program P --layout L --build-content B
Run inside scripts/headless. Prints what it observed; exits 0 when the journey
went as the learner expects, 1 with the reason otherwise.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import time

import harness
import journeys
from harness import check, describe, JourneyFailed, wait_until

# One chapter beyond the original course in each kind of group: An Naba in an
# original group, Al Mulk and Al Muzzammil in a part's group with a list slot
# of its own, Al Jumu'ah in another, which pushes the first part's group, with
# Al Baqarah, past the four slots, so that its list loads when it is picked.
# An Nas keeps an original chapter beside them.
CHAPTERS = {114: 6, 78: 40, 67: 30, 73: 20, 62: 11, 2: 286}
PITCH = 560
# Verse v lasts LENGTHS[v % 4] seconds: neighbours differ, so the order heard
# tells the verses apart.
LENGTHS = [2.5, 1.0, 1.5, 2.0]
# Al Baqarah at the highest bitrate: its 286 short verses are together over
# the 20 MB of sound up to which a whole-chapter movie is made.
LONG_CHAPTER, LONG_BITRATE, BITRATE = 2, 320, 32


def make_recitation(folder):
    """One MP3 per verse, SSSAAA.mp3; each length and bitrate encoded once."""
    os.makedirs(folder)
    encoded = {}
    for surah, verses in CHAPTERS.items():
        bitrate = LONG_BITRATE if surah == LONG_CHAPTER else BITRATE
        for verse in range(1, verses + 1):
            seconds = LENGTHS[verse % 4]
            if (seconds, bitrate) not in encoded:
                wave = os.path.join(folder, "verse.wav")
                sound = os.path.join(folder, f"{seconds}-{bitrate}.mp3")
                harness.run("sox", "-n", "-r", "44100", "-c", "1", wave, "synth", str(seconds),
                            "sine", str(PITCH), "fade", "0.02", str(seconds), "0.02", "vol", "0.5")
                harness.run("lame", "--quiet", "-b", str(bitrate), wave, sound)
                encoded[(seconds, bitrate)] = sound
            os.link(encoded[(seconds, bitrate)],
                    os.path.join(folder, f"{surah:03d}{verse:03d}.mp3"))
    for sound in encoded.values():
        os.remove(sound)
    os.remove(os.path.join(folder, "verse.wav"))


class QuranProgram(harness.Program):
    """The program on content built by hifz-build-content from the recitation."""

    def make_content(self):
        audio = os.path.join(self.work, "reciter")
        built = os.path.join(self.work, "built")
        make_recitation(audio)
        started = time.monotonic()
        told = harness.run(self.tools.build_content, "--chapters",
                           ",".join(map(str, CHAPTERS)), audio, built)
        print(told.strip().splitlines()[-1])
        print(f"made and built in {time.monotonic() - started:.1f} s")
        for name in os.listdir(built):
            shutil.move(os.path.join(built, name), self.app)
        shutil.rmtree(audio)
        self.layout = harness.Layout(json.loads(harness.run(self.tools.layout, "--content",
                                                            self.data_path())))


def chapter_numbered(program, surah):
    return next(c for c in program.layout.chapters if c["number"] == surah)


def tones(segments):
    return [s for s in segments
            if s.length >= harness.BLIP_SECONDS and abs(s.frequency - PITCH) < 0.05 * PITCH]


def expect_verses(what, chapter, verses, segments):
    """The verses heard in order: their lengths differ by more than the
    tolerance, so each play's length names its verse."""
    expected = [harness.Layout.verse_seconds(chapter, v)[0] for v in verses]
    journeys.expect_plays(what, tones(segments), expected)


def read_verse(program, chapter, verse):
    page = harness.Layout.page_of(chapter, verse)
    program.show_page(chapter, page)
    length = harness.Layout.verse_seconds(chapter, verse)[0]
    segments = program.read(chapter, lambda: program.click_verse(chapter, verse, page),
                            journeys.allowance([length]), page=page)
    expect_verses(f"verse {verse} of {chapter['folder']}", chapter, [verse], segments)
    return page


def back_to_menu(program):
    program.click("Image20")
    program.wait_for_stage_colour("the top menu", "TopMenu", "topMenu",
                                  program.layout.content["topMenu"]["1-1"], harness.CREAM)


def an_naba(program):
    """An Naba, key 6 of the fourth group: verse 1 heard as long as it lasts."""
    chapter = chapter_numbered(program, 78)
    check((chapter["group"], chapter["key"]) == ("2-2", "6"),
          f"An Naba is {chapter['group']} {chapter['key']}, not 2-2 6")
    program.choose_chapter(chapter)
    read_verse(program, chapter, 1)
    back_to_menu(program)


def part_group(program):
    """A part's group in a list slot of its own: Al Mulk's menu opens."""
    chapter = chapter_numbered(program, 67)
    program.choose_chapter(chapter)
    print(f"{chapter['folder']} opened from group {chapter['group']} in "
          f"{program.layout.list_slot(chapter['group'])}")
    back_to_menu(program)


def al_baqarah(program):
    """Al Baqarah from the first part's group, its list loaded into the first
    slot; the page strip goes to verse 255's page, and the verse is heard."""
    chapter = chapter_numbered(program, 2)
    check(len(chapter["pages"]) == 15, f"Al Baqarah has {len(chapter['pages'])} menu pages")
    program.choose_chapter(chapter)
    page = read_verse(program, chapter, 255)
    program.show_page(chapter, chapter["pages"][0], page)
    return chapter


def range_across_pages(program, chapter):
    """Verses 19 to 21 once: verse 19 chosen on the first page, 21 on the
    second, and the three heard in order."""
    journeys.choose_range(program, chapter, 19, 21, "once")
    verses = [19, 20, 21]
    expected = [harness.Layout.verse_seconds(chapter, v)[0] for v in verses]
    segments = program.read(chapter, lambda: program.click_verse(chapter, 21),
                            journeys.allowance(expected))
    expect_verses(f"verses 19 to 21 of {chapter['folder']}", chapter, verses, segments)


def whole_chapter_verse_by_verse(program, chapter):
    """The whole-chapter button on Al Baqarah, which has no whole-chapter
    movie: its verses heard one after another from verse 1, until the stop."""
    folder = program.data_path(*chapter["folder"].split("/"))
    check(not os.path.exists(os.path.join(folder, program.layout.content["wholeChapterMovie"])),
          "Al Baqarah was given a whole-chapter movie; the journey needs one without")
    verses = list(range(1, 9))
    expected = [harness.Layout.verse_seconds(chapter, v)[0] for v in verses]
    showing = program.menu_page_showing(chapter["pages"][0])
    since = program.recorder.now()
    program.click_until("the whole chapter to start", lambda: program.click("Image4"),
                        lambda: not showing())

    def plays():
        return harness.fitted(tones(program.recorder.segments(since)), expected,
                              journeys.LENGTH_TOLERANCE)
    wait_until("the fifth verse", lambda: len(plays()) >= 5 and program.recorder.sounding(),
               journeys.allowance(expected), 0.05)
    pressed = program.click("playing")
    time.sleep(3)
    heard = plays()
    expect_verses(f"{chapter['folder']} whole, verse by verse", chapter, verses[:4],
                  [piece for play in heard[:4] for piece in play.pieces])
    journeys.print_gaps(heard)
    last = heard[-1].end
    print(f"stop pressed at {pressed:.2f} s after {len(heard) - 1} verses; the sound ended at "
          f"{last:.2f} s")
    check(5 <= len(heard) < len(verses), f"{len(heard)} plays heard ({describe(heard)})")
    check(last - pressed <= journeys.STOP_ALLOWANCE,
          f"sound went on {last - pressed:.2f} s after the stop button")


def main():
    parser = argparse.ArgumentParser()
    for option in ("program", "layout", "build-content"):
        parser.add_argument("--" + option, required=True)
    tools = parser.parse_args()
    started = time.monotonic()
    program = None
    try:
        program = QuranProgram(tools)
        program.start()
        an_naba(program)
        part_group(program)
        chapter = al_baqarah(program)
        range_across_pages(program, chapter)
        whole_chapter_verse_by_verse(program, chapter)
        print(f"quran: passed in {time.monotonic() - started:.0f} s")
        return 0
    except (JourneyFailed, subprocess.CalledProcessError) as failure:
        print(f"quran: FAILED: {failure}", file=sys.stderr)
        if program and program.process:
            print("--- program's stderr (last lines) ---\n" + program.log()[-1500:],
                  file=sys.stderr)
        return 1
    finally:
        if program:
            program.close()


if __name__ == "__main__":
    sys.exit(main())
