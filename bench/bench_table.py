#!/usr/bin/env python3
"""Figures of the built program against a bare page of Ruffle players in
Chromium, printed as one table. Run inside scripts/headless.

Usage: bench_table.py --program P --make-content M --layout L
                      [--runs R] [--plays N] [--settle S] [--rest W]

The program is driven as a user drives it (tests/e2e/harness.py); the
reference is bench/reference/index.html served over loopback and shown in
Chromium on the same display and sound server. Processor time and memory are
those of each side's whole process tree.
"""

import argparse
import contextlib
import functools
import http.server
import io
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import harness  # noqa: E402
import journeys  # noqa: E402
from harness import JourneyFailed, wait_until  # noqa: E402

BUSY_PLAYS = 12
# The movies start-up puts in the slots, and whether the slot starts it.
START_MOVIES = [("StartFlash", "startUp.gif", False), ("verses1", "verses1.gif", True),
                ("verses2", "verses2.gif", True), ("verses3", "verses3.gif", True),
                ("verses4", "verses4.gif", True), ("TopMenu", "topmenu.gif", True),
                ("ExitMe", "exit.gif", True)]
CHROMIUM = "chromium"


# ---------------------------------------------------------------- process trees


def tree_ticks(pid):
    """Processor ticks used so far by each process of the tree: {pid: (ticks, kind)}."""
    out = subprocess.run(["bash", os.path.join(HERE, "process_tree_cpu.sh"), str(pid)],
                         capture_output=True, text=True).stdout
    return {fields[0]: (int(fields[1]), kind(fields[0], fields[2]))
            for fields in (line.split() for line in out.splitlines())}


def kind(pid, name):
    """A Chromium helper's --type (renderer, gpu-process, utility), else its
    name. Renderers forked from the zygote keep the zygote's command line."""
    def helper_type(process):
        try:
            with open(f"/proc/{process}/cmdline", "rb") as cmdline:
                arguments = cmdline.read().decode(errors="replace").replace("\0", " ").split()
        except OSError:
            return None
        return next((a.split("=", 1)[1] for a in arguments if a.startswith("--type=")), None)

    found = helper_type(pid)
    if found == "zygote":
        try:
            with open(f"/proc/{pid}/stat") as stat:
                parent = stat.read().rsplit(") ", 1)[1].split()[1]
        except OSError:
            parent = None
        if parent and helper_type(parent) == "zygote":
            return "renderer"
    return found or name


def tree_pss(pid):
    out = subprocess.run(["bash", os.path.join(HERE, "process_tree_pss.sh"), str(pid)],
                         capture_output=True, text=True).stdout
    return float(out)


SHARES = {}
# Where a click's or a gap's time went, one {part: ms} per run.
SPLITS = {"chapter click": [], "verse click": [], "between plays": []}


def processor(pid, seconds, label=None):
    """The share of one core, in %, the tree used over the next `seconds`;
    with a label, also keeps the last shares by kind of process under it."""
    before = tree_ticks(pid)
    start = time.monotonic()
    time.sleep(seconds)
    after = tree_ticks(pid)
    scale = 100 / os.sysconf("SC_CLK_TCK") / (time.monotonic() - start)
    shares = {}
    for p, (ticks, name) in after.items():
        shares[name] = shares.get(name, 0) + scale * (ticks - before.get(p, (0, name))[0])
    if label:
        SHARES[label] = shares
    return sum(shares.values())


# ---------------------------------------------------------------- the program


class Program(harness.Program):
    """The harness's program, looked at through one grab of its window per
    poll, so that a wait's resolution is one screenshot."""

    frame = None

    def grab(self):
        return harness.Screenshot(subprocess.run(
            ["xwd", "-id", self.window, "-silent"], capture_output=True, check=True,
            env=self.env).stdout)

    def colour_at(self, point):
        return (self.frame or self.grab()).pixel(*point)

    def region(self, rect):
        return (self.frame or self.grab()).region(rect)

    def seen(self, what, predicate, timeout=30):
        """Polls fresh grabs until `predicate` holds; returns the monotonic
        time the grab that showed it was taken."""
        deadline = time.monotonic() + timeout
        try:
            while time.monotonic() < deadline:
                taken = time.monotonic()
                self.frame = self.grab()
                if predicate():
                    return taken
            raise JourneyFailed(f"timed out after {timeout} s waiting for {what}")
        finally:
            self.frame = None

    def press(self, point):
        """Clicks as the harness does; returns the monotonic time of the press."""
        recorded = self.click_at(point)
        return recorded - self.recorder.now() + time.monotonic()

    def click_verse_button(self, chapter, verse):
        """Clicks a verse of the chapter menu's first page; returns the
        recording's time of the press."""
        button = chapter["pages"][0]["buttons"][str(verse)]
        return self.click_at(self.layout.stage_point("flash1", "main", button))

    def launch(self):
        # The program's timing trace of each movie load goes to its log.
        with open(self.log_path, "w") as log:
            self.process = subprocess.Popen([os.path.join(self.app, "hifz")],
                                            env={**self.env, "HIFZ_TIMING": "1"},
                                            stdout=subprocess.DEVNULL, stderr=log)
        return time.monotonic()

    def trace(self):
        """The load steps the program traced: [(monotonic s, step, slot, load, figures)]."""
        steps = []
        with open(self.log_path, errors="replace") as log:
            for line in log:
                fields = line.split()
                if len(fields) < 5 or fields[0] != "hifz-timing":
                    continue
                figures = dict(f.split("=", 1) for f in fields[5:] if "=" in f)
                steps.append((float(fields[1]) / 1000, fields[2], fields[3], int(fields[4]),
                              {k: float(v) for k, v in figures.items()
                               if v.replace(".", "", 1).isdigit()}))
        return steps

    def monotonic(self, recorded):
        """The monotonic time of a moment of the recording."""
        return recorded - self.recorder.now() + time.monotonic()

    def stop(self):
        if self.recorder:
            self.recorder.stop()
            self.recorder = None
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process = self.window = None


def top_menu_drawn(program):
    return program.showing("TopMenu", "topMenu", program.layout.content["topMenu"]["1-1"],
                           harness.CREAM)


def chapter_list_shown(program, chapter):
    strip = program.layout.rect("TopMenu")
    before = program.region(strip)
    area = program.layout.content["chapterLists"][chapter["group"]][chapter["key"]]
    tile = program.showing(program.layout.list_slot(chapter["group"]), "chapterList", area,
                           harness.CREAM)
    return lambda: harness.changed(program.region(strip), before) > 500 and tile()


def longest_verse(layout):
    """The chapter whose menu's first page offers the longest verse in one
    movie, and that movie: the longer the play, the steadier its figure."""
    def candidates(chapter):
        page = chapter["pages"][0]
        return [m for m in chapter["movies"]
                if m["breaths"] == 1 and page["first"] <= m["verse"] <= page["last"]]
    return max(((chapter, movie) for chapter in layout.chapters for movie in candidates(chapter)),
               key=lambda pair: pair[1]["seconds"])


def load_split(program, since, heard, last="first sound"):
    """Where the time went from `since` (monotonic s; a click, or a play's
    end) to `heard` (monotonic s; a sound, or a picture seen), from the
    program's trace of the load the page finished last before it, the last
    part named `last`: {part: ms}."""
    steps = [step for step in program.trace() if step[0] >= since]
    loaded = [step for step in steps if step[1] == "loaded" and step[0] <= heard]
    if not loaded:
        return {}
    _, _, slot, load, figures = loaded[-1]
    mine = {step[1]: step for step in steps if step[2] == slot and step[3] == load}
    if "load" not in mine:
        return {}
    page = figures.get("fetch", 0) + figures.get("player", 0)
    # Between plays, the page first sees the last play's timeline stop.
    stops = [step[0] for step in steps if step[1] == "stopped" and step[0] <= mine["load"][0]]
    seen = stops[-1] if stops else since
    # A movie of one frame reports none.
    started = mine["frame1"][0] if "frame1" in mine and mine["frame1"][0] <= heard else None
    return {
        **({"stop seen": 1000 * (seen - since)} if stops else {}),
        "to the load": 1000 * (mine["load"][0] - seen),
        "rewrite": mine["load"][4].get("rewrite", 0),
        "bridge": 1000 * (mine["loaded"][0] - mine["load"][0]) - page,
        "fetch": figures.get("fetch", 0),
        "player load": figures.get("player", 0),
        **({"start": 1000 * (started - mine["loaded"][0])} if started else {}),
        last: 1000 * (heard - (started or mine["loaded"][0])),
    }


def program_session(program, figures, settle, rest):
    """One start of the program: launch to an answered click, the chapter's
    menu, rest on the chapter screen, a verse's first sound and the processor
    while it plays, and the gap between two plays of a verse."""
    chapter, movie = longest_verse(program.layout)
    launched = program.launch()
    program.window = wait_until("the main window", program.find_window, 60, interval=0.05)
    program.recorder = harness.Recorder()
    drawn = program.seen("the top menu", top_menu_drawn(program), 60)
    answered = chapter_list_shown(program, chapter)
    slot = program.layout.list_slot(chapter["group"])
    group = program.layout.stage_point("TopMenu", "topMenu",
                                       program.layout.content["topMenu"][chapter["group"]])
    pressed = program.press(group)
    figures["launch"].append(drawn - launched + program.seen("the chapter list", answered)
                             - pressed)

    area = program.layout.content["chapterLists"][chapter["group"]][chapter["key"]]
    pressed = program.press(program.layout.stage_point(slot, "chapterList", area))
    shown = program.seen("the chapter menu", program.menu_page_showing(chapter["pages"][0]))
    figures["chapter click"].append(1000 * (shown - pressed))
    SPLITS["chapter click"].append(load_split(program, pressed, shown, "drawn"))

    time.sleep(settle)
    figures["rest chapter"].append(processor(program.process.pid, rest, "program, chapter screen"))

    pressed = program.click_verse_button(chapter, movie["verse"])
    heard = program.recorder.wait_for_sound("the verse's sound", pressed, 20)
    figures["verse click"].append(1000 * (heard.start - pressed))
    SPLITS["verse click"].append(load_split(program, program.monotonic(pressed),
                                            program.monotonic(heard.start)))
    # Inside the play, clear of its load and its end.
    time.sleep(max(0.0, heard.start + 0.2 - program.recorder.now()))
    figures["playing"].append(processor(program.process.pid, movie["seconds"] - 0.6,
                                        "program, verse playing"))
    program.wait_for_menu_page(chapter, chapter["pages"][0])

    journeys.set_repeats_with_arrows(program, 2)
    verse = journeys.shortest_verse(chapter)
    length, segments = journeys.read_verse(program, chapter, verse["verse"], 2)
    plays = harness.fitted(journeys.tones(program, segments), [length] * 2,
                           journeys.LENGTH_TOLERANCE)
    if len(plays) == 2:
        figures["between plays"].append(1000 * (plays[1].start - plays[0].end))
        SPLITS["between plays"].append(load_split(program, program.monotonic(plays[0].end),
                                                  program.monotonic(plays[1].start)))


def program_rest(program, settle, rest):
    program.launch()
    time.sleep(settle)
    return processor(program.process.pid, rest, "program, menu screen")


# Past a verse's end: the page seeing the stop and the next poll.
PLAY_END_ALLOWANCE = 1.2


def memory_verse(layout):
    """Verse 1 of the first chapter, the verse the memory figures play, and
    the seconds between its clicks: its length and the allowance, so that each
    play ends by itself, as a learner's does."""
    chapter = layout.chapters[0]
    movie = next(m for m in chapter["movies"] if m["verse"] == 1)
    return chapter, movie, movie["seconds"] + PLAY_END_ALLOWANCE


def program_memory(program, plays):
    """PSS after the chapter opened and every 10 verse plays (verse_memory.sh)."""
    gap = memory_verse(program.layout)[2]
    out = subprocess.run(["bash", os.path.join(HERE, "verse_memory.sh"),
                          os.path.join(program.app, "hifz"), str(plays), "10", f"{gap:.2f}"],
                         capture_output=True, text=True, check=True).stdout
    return {int(line.split()[0]): float(line.split()[1]) for line in out.splitlines()}


def busy_plays(program, count):
    """Of `count` plays of the first chapter verse by verse, with two busy
    loops beside the program, how many were heard whole: one unbroken sound as
    long as the verse."""
    chapter = program.layout.chapters[0]
    page = chapter["pages"][0]
    verses = [m for m in chapter["movies"]
              if m["breaths"] == 1 and page["first"] <= m["verse"] <= page["last"]]
    program.start()
    program.choose_chapter(chapter)
    loops = [subprocess.Popen(["sh", "-c", "while :; do :; done"]) for _ in range(2)]
    try:
        whole = 0
        for play in range(count):
            verse = verses[play % len(verses)]["verse"]
            length, segments = journeys.read_verse(program, chapter, verse, 1)
            heard = journeys.tones(program, segments)
            whole += len(heard) == 1 and abs(heard[0].length - length) <= journeys.LENGTH_TOLERANCE
        return whole
    finally:
        for loop in loops:
            loop.kill()
            loop.wait()


# ---------------------------------------------------------------- the reference


class Reference:
    """Chromium showing bench/reference/index.html from a loopback server."""

    def __init__(self, program):
        self.work = tempfile.mkdtemp(prefix="hifz-bench-")
        site = os.path.join(self.work, "site")
        os.makedirs(os.path.join(site, "page"))
        os.symlink(os.path.join(HERE, "reference", "index.html"), os.path.join(site, "index.html"))
        os.symlink(os.path.join(ROOT, "src", "app", "movie", "page", "ruffle_config.js"),
                   os.path.join(site, "page", "ruffle_config.js"))
        os.symlink(os.path.join(ROOT, "node_modules", "@ruffle-rs", "ruffle"),
                   os.path.join(site, "ruffle"))
        os.symlink(program.data_path(), os.path.join(site, "data"))
        controls = program.layout.controls
        with open(os.path.join(site, "slots.json"), "w") as slots:
            json.dump([{"movie": movie, "starts": starts, "rect": controls[name]["rect"],
                        "shown": controls[name]["shown"],
                        "scale": controls[name].get("scale", "showAll")}
                       for name, movie, starts in START_MOVIES], slots)
        self.events = []
        self.marks = {}
        self.changed = threading.Condition()
        self.browser = None
        handler = functools.partial(Handler, self, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def told(self, path, query):
        """A request from the page: a report, or a mark at which to read memory."""
        with self.changed:
            if path == "/mark":
                self.marks[int(query["loads"][0])] = tree_pss(self.browser.pid)
            else:
                self.events.append((time.monotonic(), path, query))
            self.changed.notify_all()

    def open(self, query):
        """Starts Chromium on the page; returns the monotonic time it was started."""
        self.events.clear()
        self.marks.clear()
        profile = os.path.join(self.work, "profile")
        shutil.rmtree(profile, ignore_errors=True)
        url = f"http://127.0.0.1:{self.server.server_address[1]}/index.html?{query}"
        flags = [f"--user-data-dir={profile}", "--no-first-run", "--no-default-browser-check",
                 "--autoplay-policy=no-user-gesture-required", "--disable-gpu",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--password-store=basic", "--window-position=0,0",
                 "--window-size=800,600", f"--app={url}"]
        # Chromium's sandbox does not run as root, as for the program's WebEngine.
        if os.getuid() == 0:
            flags.append("--no-sandbox")
        started = time.monotonic()
        self.browser = subprocess.Popen([CHROMIUM, *flags], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return started

    def loaded(self, timeout):
        with self.changed:
            if not self.changed.wait_for(lambda: self.events, timeout):
                raise JourneyFailed("the reference page did not report its movies loaded")
            return self.events[0][0]

    def close(self):
        if self.browser and self.browser.poll() is None:
            self.browser.terminate()
            try:
                self.browser.wait(10)
            except subprocess.TimeoutExpired:
                self.browser.kill()
                self.browser.wait()
        self.browser = None

    def remove(self):
        self.close()
        self.server.shutdown()
        shutil.rmtree(self.work, ignore_errors=True)


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, reference, *args, **kwargs):
        self.reference = reference
        super().__init__(*args, **kwargs)

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path in ("/mark", "/report"):
            self.reference.told(url.path, urllib.parse.parse_qs(url.query, keep_blank_values=True))
            self.send_response(204)
            self.end_headers()
            return
        super().do_GET()

    def log_message(self, *_):
        pass


def reference_session(reference, figures, settle, rest):
    started = reference.open("rest")
    figures["launch"].append(reference.loaded(120) - started)
    time.sleep(settle)
    figures["rest"].append(processor(reference.browser.pid, rest, "reference at rest"))
    reference.close()


def reference_playing(reference, program):
    """One player playing the verse movie the program played."""
    chapter, movie = longest_verse(program.layout)
    recorder = harness.Recorder()
    try:
        since = recorder.now()
        reference.open("play=" + urllib.parse.quote(f"{chapter['folder']}/{movie['file']}"))
        heard = recorder.wait_for_sound("the reference's sound", since, 60)
        time.sleep(max(0.0, heard.start + 0.2 - recorder.now()))
        return processor(reference.browser.pid, movie["seconds"] - 0.6, "reference playing")
    finally:
        reference.close()
        recorder.stop()


def reference_memory(reference, program, plays):
    chapter, verse, gap = memory_verse(program.layout)
    movie = urllib.parse.quote(f"{chapter['folder']}/{verse['file']}")
    reference.open(f"reload={movie}&count={plays}&every=10&gap={round(gap * 1000)}")
    try:
        reference.loaded(plays * (gap + 2) + 120)
        return dict(reference.marks)
    finally:
        reference.close()


# ---------------------------------------------------------------- the table


def growth(readings):
    """MB gained from play 50 to the last, on the least-squares line through
    the readings from play 50 on: the garbage collector makes single readings
    swing by tens of MB."""
    points = [(n, v) for n, v in readings.items() if n >= 50]
    if len(points) < 3:
        return None
    n = len(points)
    sx = sum(p for p, _ in points)
    sy = sum(v for _, v in points)
    sxx = sum(p * p for p, _ in points)
    sxy = sum(p * v for p, v in points)
    slope = (n * sxy - sx * sy) / (n * sxx - sx * sx)
    return slope * (max(readings) - 50)


class Table:
    HEADER = ("figure", "median", "max", "reference", "ratio", "goal", "met")

    def __init__(self):
        self.rows = []

    def add(self, figure, values, reference, goal, met, digits=1):
        shown = lambda v: "-" if v is None else f"{v:.{digits}f}"  # noqa: E731
        median = median_or_none(values)
        ratio = median / reference if median is not None and reference else None
        self.rows.append((figure, shown(median), shown(max(values) if values else None),
                          shown(reference), "-" if ratio is None else f"{ratio:.2f}", goal,
                          "-" if met is None or median is None else ("yes" if met else "no")))

    def print(self, notes):
        widths = [max(len(row[i]) for row in [self.HEADER, *self.rows]) for i in range(7)]
        for row in [self.HEADER, *self.rows]:
            print(row[0].ljust(widths[0]) + "".join(
                "  " + cell.rjust(width) for cell, width in zip(row[1:], widths[1:])))
        print()
        for note in notes:
            print(note)


def median_or_none(values):
    return statistics.median(values) if values else None


def main():
    parser = argparse.ArgumentParser()
    for option in ("program", "make-content", "layout"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--plays", type=int, default=100)
    parser.add_argument("--settle", type=float, default=10)
    parser.add_argument("--rest", type=float, default=20)
    options = parser.parse_args()

    program = Program(argparse.Namespace(program=options.program,
                                         make_content=options.make_content,
                                         layout=options.layout))
    have_reference = shutil.which(CHROMIUM) is not None
    reference = Reference(program) if have_reference else None
    ours = {name: [] for name in ("launch", "chapter click", "rest chapter", "verse click",
                                  "playing", "between plays", "rest menu")}
    theirs = {"launch": [], "rest": [], "playing": []}
    failures = []

    def attempt(what, measure, *arguments):
        """Runs one measure; a busy machine's missed click leaves its figure out."""
        try:
            return measure(*arguments)
        except (JourneyFailed, subprocess.CalledProcessError) as failure:
            failures.append(f"{what}: {failure}")
            return None
        finally:
            program.stop()
            if reference:
                reference.close()

    memory, their_memory, whole = {}, {}, None
    try:
        for _ in range(options.runs):
            # The journeys' steps print what they see; the table is all this prints.
            with contextlib.redirect_stdout(io.StringIO()):
                attempt("the program", program_session, program, ours, options.settle,
                        options.rest)
            rest = attempt("the program at rest", program_rest, program, options.settle,
                           options.rest)
            ours["rest menu"] += [] if rest is None else [rest]
            if reference:
                attempt("the reference", reference_session, reference, theirs, options.settle,
                        options.rest)
                playing = attempt("the reference playing", reference_playing, reference,
                                  program)
                theirs["playing"] += [] if playing is None else [playing]
        with contextlib.redirect_stdout(io.StringIO()):
            whole = attempt("the plays on busy cores", busy_plays, program, BUSY_PLAYS)
        memory = attempt("the program's memory", program_memory, program, options.plays) or {}
        if reference:
            their_memory = attempt("the reference's memory", reference_memory, reference,
                                   program, options.plays) or {}
    finally:
        program.stop()
        program.close()
        if reference:
            reference.remove()

    table = Table()
    their_rest = median_or_none(theirs["rest"])
    for screen, key in (("menu", "rest menu"), ("chapter", "rest chapter")):
        median = median_or_none(ours[key])
        table.add(f"processor at rest, {screen} screen (% of one core)", ours[key], their_rest,
                  "<= 5, <= ref/4",
                  median is not None and median <= 5 and (their_rest is None or
                                                          median <= their_rest / 4))
    ours_growth, theirs_growth = growth(memory), growth(their_memory)
    table.add("memory growth after the first 50 plays (MB)",
              [] if ours_growth is None else [ours_growth], theirs_growth, "<= 30",
              None if ours_growth is None else ours_growth <= 30)
    last = max(memory, default=options.plays)
    # Loads only: before them the program shows its whole window, the page one empty player.
    above = [n for n in memory if n and n in their_memory and memory[n] > their_memory[n]]
    table.add(f"memory, PSS after {last} plays (MB)", [memory[last]] if memory else [],
              their_memory.get(last), "<= ref always", None if not their_memory else not above)
    their_launch = median_or_none(theirs["launch"])
    launch = median_or_none(ours["launch"])
    table.add("launch to menu screen interactive (s)", ours["launch"], their_launch,
              "<= 1.2 x ref",
              None if None in (launch, their_launch) else launch <= 1.2 * their_launch, digits=2)
    for key, figure, goal in (("chapter click", "chapter click to its menu drawn (ms)", 200),
                              ("verse click", "verse click to its first sound (ms)", 200)):
        median = median_or_none(ours[key])
        table.add(figure, ours[key], None, f"<= {goal}", median is not None and median <= goal,
                  digits=0)
    gap_goal = 400
    table.add("end of a play to the next play's sound (ms)", ours["between plays"], None,
              f"max <= {gap_goal}",
              bool(ours["between plays"]) and max(ours["between plays"]) <= gap_goal, digits=0)
    table.add(f"verses heard whole, both cores busy (of {BUSY_PLAYS})",
              [] if whole is None else [whole], None, f"{BUSY_PLAYS} of {BUSY_PLAYS}",
              None if whole is None else whole == BUSY_PLAYS, digits=0)
    their_playing = median_or_none(theirs["playing"])
    playing = median_or_none(ours["playing"])
    table.add("processor while a verse plays (% of one core)", ours["playing"], their_playing,
              "<= ref", None if None in (playing, their_playing) else playing <= their_playing)
    notes = [f"{options.runs} runs; rest: {options.rest:g} s after {options.settle:g} s; "
             f"memory: {options.plays} verse plays, each ending by itself, read every 10",
             "reference: " + ("Chromium showing the start-up movies in bare Ruffle players "
                              "(launch: to all loaded)" if reference
                              else "not installed (bench/setup installs Chromium)")]
    if above:
        notes.append("memory above the reference after " + ", ".join(map(str, above)) + " plays")
    for label, shares in SHARES.items():
        notes.append(f"processor, {label}, by process (last run): " + ", ".join(
            f"{name} {share:.1f}" for name, share in sorted(shares.items(), key=lambda i: -i[1])
            if share >= 0.05))
    for label, splits in SPLITS.items():
        splits = [split for split in splits if split]
        parts = [part for part in (splits[0] if splits else {})]
        if parts:
            notes.append(f"{label}, median ms: " + ", ".join(
                f"{part} {statistics.median(s.get(part, 0) for s in splits):.0f}"
                for part in parts))
    notes += ["left out, " + failure for failure in failures]
    table.print(notes)
    return 0


if __name__ == "__main__":
    sys.exit(main())
