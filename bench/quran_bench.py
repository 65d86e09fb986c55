#!/usr/bin/env python3
"""Figures of the program on content of all 114 chapters beside content of
the original course's 37, both built from one complete reciter of the tests'
own tones (hifz_recited_quran_bench): launch to the menu screen, Al Baqarah's
chapter click and the click on its verse 255 beside An Nas's chapter click and
verse 1, and memory after opening all 114 chapter menus one after another.
Printed, never a pass or fail. Run inside scripts/headless.

Usage: quran_bench.py --program P --layout L --build-content B --reciter-bench Q [--runs R]
"""

import argparse
import contextlib
import io
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

import bench_table
import harness
from harness import JourneyFailed, wait_until


class Program(bench_table.Program):
    """The bench's program on built content, linked beside it."""

    def __init__(self, tools, content):
        self.content = content
        super().__init__(tools)

    def make_content(self):
        for name in ("data", "2 blank.gif"):
            os.symlink(os.path.join(self.content, name), os.path.join(self.app, name))
        self.layout = harness.Layout(json.loads(harness.run(self.tools.layout, "--content",
                                                            self.data_path())))

    def top_menu_drawn(self):
        """Most of the first group's tile cream: with every part on the top
        menu, its label spans the tile, over the harness's one point."""
        rect = self.layout.stage_rect("TopMenu", "topMenu", self.layout.content["topMenu"]["1-1"])

        def drawn():
            tile = self.region(rect)
            return 2 * sum(harness.colour_near(colour, harness.CREAM) for colour in tile) > len(tile)
        return drawn

    def chapter(self, surah):
        return next(c for c in self.layout.chapters if c["number"] == surah)

    def to_menu(self):
        """Starts the program; the seconds from launch to a group's list shown."""
        chapter = self.chapter(114)
        launched = self.launch()
        self.window = wait_until("the main window", self.find_window, 60, interval=0.05)
        self.recorder = harness.Recorder()
        drawn = self.seen("the top menu", self.top_menu_drawn(), 60)
        shown = bench_table.chapter_list_shown(self, chapter)
        pressed = self.press(self.layout.stage_point(
            "TopMenu", "topMenu", self.layout.content["topMenu"][chapter["group"]]))
        return drawn - launched + self.seen("the chapter list", shown) - pressed

    def chapter_click(self, chapter):
        """Ms from the click on the chapter in its list to its menu drawn."""
        area = self.layout.content["chapterLists"][chapter["group"]][chapter["key"]]
        self.open_group(chapter["group"], area)
        pressed = self.press(self.layout.stage_point(self.layout.list_slot(chapter["group"]),
                                                     "chapterList", area))
        return 1000 * (self.seen("the chapter menu", self.menu_page_showing(chapter["pages"][0]))
                       - pressed)

    def verse_click(self, chapter, verse):
        """Ms from the click on the verse, on its menu page, to its first sound."""
        page = harness.Layout.page_of(chapter, verse)
        self.show_page(chapter, page)
        pressed = self.click_at(self.layout.stage_point("flash1", "main",
                                                        page["buttons"][str(verse)]))
        heard = self.recorder.wait_for_sound("the verse's sound", pressed, 20)
        self.wait_for_menu_page(chapter, page)
        return 1000 * (heard.start - pressed)

    def back(self):
        self.click("Image20")
        self.seen("the top menu", self.top_menu_drawn())


def clicks(program, surah, verse, runs):
    chapter, verse_ms = program.chapter(surah), []
    chapter_ms = []
    for _ in range(runs):
        program.to_menu()
        program.back()
        chapter_ms.append(program.chapter_click(chapter))
        verse_ms.append(program.verse_click(chapter, verse))
        program.stop()
    return chapter_ms, verse_ms


def memory(program, settle):
    """PSS in MB at the menu screen, and after every chapter's menu was
    opened in turn and left for the menu screen."""
    program.to_menu()
    program.back()
    time.sleep(settle)
    before = bench_table.tree_pss(program.process.pid)
    for chapter in program.layout.chapters:
        program.choose_chapter(chapter)
        program.back()
    time.sleep(settle)
    after = bench_table.tree_pss(program.process.pid)
    program.stop()
    return before, after


def row(figure, ours, theirs, goal, met, unit=""):
    ratio = f"{statistics.median(ours) / statistics.median(theirs):.2f}" if theirs else "-"
    cells = [f"{statistics.median(v):.2f}{unit}" if v else "-" for v in (theirs, ours)]
    print(f"{figure:<46} {cells[0]:>10} {cells[1]:>10} {ratio:>6}  {goal:<10} "
          f"{'-' if met is None else 'yes' if met else 'no'}")


def main():
    parser = argparse.ArgumentParser()
    for option in ("program", "layout", "build-content", "reciter-bench"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--settle", type=float, default=10)
    options = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="hifz-quran-bench-") as work:
        print(subprocess.run([options.reciter_bench, work], check=True, capture_output=True,
                             text=True).stdout.strip())
        course = os.path.join(work, "course")
        harness.run(options.build_content, "--chapters", "1,79-114",
                    os.path.join(work, "reciter"), course)
        whole = Program(options, os.path.join(work, "content"))
        original = Program(options, course)
        try:
            with contextlib.redirect_stdout(io.StringIO()):
                launches = {program: [] for program in (whole, original)}
                for _ in range(options.runs):
                    for program in (original, whole):
                        launches[program].append(program.to_menu())
                        program.stop()
                an_nas = clicks(whole, 114, 1, options.runs)
                al_baqarah = clicks(whole, 2, 255, options.runs)
                before, after = memory(whole, options.settle)
        except JourneyFailed as failure:
            print(f"quran bench: {failure}", file=sys.stderr)
            return 1
        finally:
            for program in (whole, original):
                program.stop()
                program.close()

    print(f"\n{'figure':<46} {'37 / An Nas':>10} {'114 / Al Baqarah':>10}")
    row("launch to the menu screen answering (s)", launches[whole], launches[original],
        "<= 1.1 x",
        statistics.median(launches[whole]) <= 1.1 * statistics.median(launches[original]))
    figures = ("chapter click to its menu drawn (ms)", "verse click to its first sound (ms)")
    for figure, ours, theirs in zip(figures, al_baqarah, an_nas):
        row(figure, ours, theirs, "<= 1.2 x",
            statistics.median(ours) <= 1.2 * statistics.median(theirs))
    print(f"\nmemory (PSS of the program's processes): {before:.1f} MB at the menu screen, "
          f"{after:.1f} MB after opening all {len(whole.layout.chapters)} chapter menus: "
          f"{after - before:+.1f} MB (goal: at most +30 MB)")
    print(f"{options.runs} runs; Al Baqarah's verse 255 on page 13, reached with the page "
          "strip, An Nas's verse 1 on its first page")
    return 0


if __name__ == "__main__":
    sys.exit(main())
