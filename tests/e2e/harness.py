"""Drives the built program as a user would and observes it from outside.

The program runs as its own process on freshly made sample content, on the
display and sound server that scripts/headless started. Clicks go through
xdotool to points computed from the exported layout (hifz-e2e-layout); the
sound is recorded from the null sink's monitor and cut into sounding segments;
screenshots come from xwd. Every wait is on something observed, with a
deadline.
"""

import array
import json
import math
import os
import shutil
import struct
import subprocess
import tempfile
import threading
import time

RATE = 11025
WINDOW = 55
WINDOW_SECONDS = WINDOW / RATE
# Silence on the null sink is exact zero; the quietest sound heard is the
# tone's fade, so a low threshold finds segments close to their true length.
SOUNDING_RMS = 60
# The whole-chapter movie's verses meet in a fade to zero some 20 ms wide; two
# plays of the reading never lie closer than the 5 ms timer plus a load.
JOIN_GAP = 0.008
BLIP_SECONDS = 0.06


class JourneyFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise JourneyFailed(message)


def wait_until(what, predicate, timeout, interval=0.05):
    """Polls `predicate` until it returns something true; fails naming `what`."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise JourneyFailed(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def run(*command, env=None):
    done = subprocess.run(command, capture_output=True, text=True, env=env)
    if done.returncode != 0:
        raise JourneyFailed(f"{' '.join(command)} failed: {done.stderr.strip()}")
    return done.stdout


# ---------------------------------------------------------------- layout

# The chapter groups, in the order of their lists' slots "verses1" to "verses4".
GROUPS = ["1-1", "1-2", "2-1", "2-2"]


class Layout:
    """Where things lie in the window, in pixels, and what the content holds."""

    def __init__(self, data):
        self.controls = data["controls"]
        self.notice_ok = data["noticeOk"]
        self.volume_steps = data["volumeDownDownUp"]
        self.content = data["content"]
        self.chapters = self.content["chapters"]

    def rect(self, name):
        return self.controls[name]["rect"]

    def centre(self, name):
        x, y, w, h = self.rect(name)
        return (x + w / 2, y + h / 2)

    def stage_point(self, slot, stage, area, at=(0.5, 0.5)):
        """A point of a movie's stage area, as the slot shows the stage."""
        x, y, w, h = self.rect(slot)
        sw, sh = self.content["stages"][stage]
        scale = 1.0 if self.controls[slot]["scale"] == "noScale" else min(w / sw, h / sh)
        left = x + (w - sw * scale) / 2
        top = y + (h - sh * scale) / 2
        ax, ay, aw, ah = area
        return (left + (ax + aw * at[0]) * scale, top + (ay + ah * at[1]) * scale)

    def stage_rect(self, slot, stage, area):
        left, top = self.stage_point(slot, stage, area, at=(0, 0))
        right, bottom = self.stage_point(slot, stage, area, at=(1, 1))
        return (left, top, right - left, bottom - top)

    def list_slot(self, group):
        # Content with a catalog says where each group's list shows.
        if "listSlots" in self.content:
            return self.content["listSlots"][group]
        return "verses" + str(GROUPS.index(group) + 1)

    def list_slots(self):
        return [self.list_slot(group) for group in GROUPS]

    def beside(self, slots, panel, hole):
        """The parts of the slots that the panel shows outside the control `hole`."""
        parts = []
        for slot in slots:
            shown = intersection(self.rect(slot), self.rect(panel))
            parts += outside(shown, self.rect(hole)) if shown else []
        return parts

    @staticmethod
    def verse_seconds(chapter, verse):
        """The lengths of a verse's movies, breath by breath."""
        return [m["seconds"] for m in chapter["movies"] if m["verse"] == verse]

    @staticmethod
    def page_of(chapter, verse):
        for page in chapter["pages"]:
            if page["first"] <= verse <= page["last"]:
                return page
        raise JourneyFailed(f"verse {verse} is on no menu page")


def intersection(a, b):
    """Where two rectangles (x, y, width, height) overlap, or None."""
    left, top = max(a[0], b[0]), max(a[1], b[1])
    right, bottom = min(a[0] + a[2], b[0] + b[2]), min(a[1] + a[3], b[1] + b[3])
    return (left, top, right - left, bottom - top) if right > left and bottom > top else None


def outside(rect, hole):
    """The parts of a rectangle outside the hole: the bands above and below
    it, full width, and those left and right of it between them."""
    x, y, w, h = rect
    hole_top, hole_bottom = max(y, hole[1]), min(y + h, hole[1] + hole[3])
    hole_left, hole_right = max(x, hole[0]), min(x + w, hole[0] + hole[2])
    if hole_top >= hole_bottom or hole_left >= hole_right:
        return [rect]
    parts = [(x, y, w, hole_top - y), (x, hole_bottom, w, y + h - hole_bottom),
             (x, hole_top, hole_left - x, hole_bottom - hole_top),
             (hole_right, hole_top, x + w - hole_right, hole_bottom - hole_top)]
    return [part for part in parts if part[2] > 0 and part[3] > 0]


# ---------------------------------------------------------------- sound


class Segment:
    def __init__(self, start, length, frequency, peak):
        self.start = start
        self.length = length
        self.frequency = frequency
        self.peak = peak  # of the middle half, as a fraction of full scale

    @property
    def end(self):
        return self.start + self.length

    def __repr__(self):
        return f"{self.length:.2f} s at {self.frequency:.0f} Hz from {self.start:.2f} s"


class Recorder:
    """Records the null sink's monitor; knows which sample was heard when.

    The loudness of each short window is worked out as the sound arrives, so
    looking for segments while waiting stays cheap."""

    def __init__(self):
        self.samples = array.array("h")
        self.loudness = []  # RMS of each window of WINDOW samples
        self.marks = []  # (monotonic time, samples read by then)
        self.lock = threading.Lock()
        self.process = subprocess.Popen(
            ["parec", "--device=hifz_null.monitor", "--raw", "--format=s16le",
             f"--rate={RATE}", "--channels=1", "--latency-msec=20"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        wait_until("the recording to start", lambda: self.marks, 10)

    def _read(self):
        pending = b""
        while True:
            chunk = self.process.stdout.read1(4096)
            if not chunk:
                return
            pending += chunk
            whole = len(pending) // 2 * 2
            with self.lock:
                self.samples.frombytes(pending[:whole])
                self.marks.append((time.monotonic(), len(self.samples)))
                while (len(self.loudness) + 1) * WINDOW <= len(self.samples):
                    first = len(self.loudness) * WINDOW
                    self.loudness.append(rms(self.samples[first:first + WINDOW]))
            pending = pending[whole:]

    def stop(self):
        self.process.terminate()
        self.process.wait()

    def now(self):
        """The recording's time, in seconds, of the present moment."""
        with self.lock:
            when, count = self.marks[-1]
        return count / RATE + (time.monotonic() - when)

    def segments(self, since=0.0, until=None):
        """The sounding segments from `since` to `until` (recording seconds)."""
        first = int(since / WINDOW_SECONDS)
        with self.lock:
            last = len(self.loudness) if until is None else int(until / WINDOW_SECONDS)
            loud = [value > SOUNDING_RMS for value in self.loudness[first:last]]
            spans = []
            for index, on in enumerate(loud, first):
                if not on:
                    continue
                if spans and index - spans[-1][1] <= JOIN_GAP / WINDOW_SECONDS:
                    spans[-1][1] = index + 1
                else:
                    spans.append([index, index + 1])
            parts = [self.samples[a * WINDOW:b * WINDOW] for a, b in spans]
        return [Segment(a * WINDOW_SECONDS, (b - a) * WINDOW_SECONDS, frequency(part), peak(part))
                for (a, b), part in zip(spans, parts)]

    def sounding(self):
        """True while the last few windows hold sound."""
        with self.lock:
            return any(value > SOUNDING_RMS for value in self.loudness[-6:])

    def wait_for_sound(self, what, since, timeout):
        return wait_until(what, lambda: self.segments(since), timeout)[0]


def rms(samples):
    if not samples:
        return 0.0
    return math.sqrt(sum(s * s for s in samples) / len(samples))


def peak(samples):
    middle = samples[len(samples) // 4: len(samples) * 3 // 4]
    return max((abs(s) for s in middle), default=0) / 32768


def frequency(samples):
    """The pitch of the middle half, from its rising zero crossings."""
    middle = samples[len(samples) // 4: len(samples) * 3 // 4]
    crossings = sum(1 for a, b in zip(middle, middle[1:]) if a < 0 <= b)
    return crossings * RATE / max(1, len(middle))


class Play:
    """Pieces of sound taken as one play of a movie."""

    def __init__(self, first):
        self.pieces = [first]

    @property
    def start(self):
        return self.pieces[0].start

    @property
    def end(self):
        return self.pieces[-1].end

    @property
    def length(self):
        """Time sounding: a stall delays a play's sound, it does not drop it."""
        return sum(piece.length for piece in self.pieces)

    def __repr__(self):
        return f"{self.length:.2f} s sounding from {self.start:.2f} s to {self.end:.2f} s"


def fitted(segments, expected, tolerance):
    """The segments taken as the expected plays, in order: a play whose sound
    stalled on a busy machine comes in pieces. When there are more pieces than
    plays, they are cut into as many runs of pieces as there are plays, the cut
    whose runs come closest to the plays' lengths; when that leaves a run longer
    than its play may last, or there are no more pieces than plays, pieces are
    joined while together they sound no longer than the play they join."""
    if len(segments) > len(expected) > 0:
        plays = closest_cut(segments, expected)
        if all(play.length <= length + tolerance for play, length in zip(plays, expected)):
            return plays
    plays = []
    for segment in segments:
        if plays and len(plays) <= len(expected) and \
                plays[-1].length + segment.length <= expected[len(plays) - 1] + tolerance:
            plays[-1].pieces.append(segment)
        else:
            plays.append(Play(segment))
    return plays


def closest_cut(segments, expected):
    """Cuts the segments into len(expected) runs, in order, so that the sum of
    the differences between each run's sounding time and its play's length is
    least."""
    count, plays = len(segments), len(expected)
    best = {(0, 0): (0.0, None)}
    for play in range(1, plays + 1):
        for end in range(play, count - (plays - play) + 1):
            options = []
            for start in range(play - 1, end):
                if (start, play - 1) not in best:
                    continue
                run = sum(s.length for s in segments[start:end])
                options.append((best[(start, play - 1)][0] + abs(run - expected[play - 1]), start))
            if options:
                best[(end, play)] = min(options)
    cuts = [count]
    for play in range(plays, 0, -1):
        cuts.append(best[(cuts[-1], play)][1])
    cuts.reverse()
    runs = []
    for start, end in zip(cuts, cuts[1:]):
        run = Play(segments[start])
        run.pieces.extend(segments[start + 1:end])
        runs.append(run)
    return runs


def describe(segments):
    return "; ".join(repr(s) for s in segments) or "nothing"


# ---------------------------------------------------------------- screen


class Screenshot:
    """One xwd image of the screen (ZPixmap, 24 or 32 bits a pixel)."""

    def __init__(self, data):
        header = struct.unpack(">25I", data[:100])
        header_size, width, height = header[0], header[4], header[5]
        byte_order, bits, line = header[7], header[11], header[12]
        colours = header[19]
        if bits not in (24, 32):
            raise JourneyFailed(f"xwd gave {bits} bits a pixel")
        self.width, self.height, self.line, self.size = width, height, line, bits // 8
        self.little = byte_order == 0
        self.pixels = data[header_size + colours * 12:]

    def pixel(self, x, y):
        at = int(y) * self.line + int(x) * self.size
        b0, b1, b2 = self.pixels[at:at + 3]
        return (b2, b1, b0) if self.little else (b0, b1, b2)

    def region(self, rect):
        x, y, w, h = (int(round(v)) for v in rect)
        step = 1 if w * h < 20000 else 2
        return [self.pixel(px, py) for py in range(y, y + h, step) for px in range(x, x + w, step)]


def screenshot(env):
    return Screenshot(subprocess.run(["xwd", "-root", "-silent"], capture_output=True,
                                     check=True, env=env).stdout)


def colour_near(colour, wanted, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, wanted))


def changed(first, second):
    """How many pixels of two regions differ plainly."""
    return sum(1 for p, q in zip(first, second) if max(abs(a - b) for a, b in zip(p, q)) > 48)


def difference(first, second):
    """Mean absolute difference per channel of two regions, 0 to 255."""
    total = sum(abs(a - b) for p, q in zip(first, second) for a, b in zip(p, q))
    return total / max(1, 3 * len(first))


# The tiles' colour in the sample content (src/content/look.h).
CREAM = (0xf6, 0xee, 0xdb)


# ---------------------------------------------------------------- program


class Program:
    """The built program on its own fresh sample content."""

    def __init__(self, tools, display=None):
        self.tools = tools
        self.work = tempfile.mkdtemp(prefix="hifz-e2e-")
        self.app = os.path.join(self.work, "app")
        os.mkdir(self.app)
        shutil.copy(tools.program, self.app)
        self.make_content()
        self.env = dict(os.environ)
        # A content folder of its own; its settings are scripts/headless's.
        self.env["XDG_DATA_HOME"] = os.path.join(self.work, "data-home")
        if display:
            self.env["DISPLAY"] = display
        self.process = None
        self.window = None
        self.log_path = os.path.join(self.work, "program.log")
        self.recorder = None

    def make_content(self):
        """Puts the content beside the program and learns its layout."""
        run(self.tools.make_content, self.app)
        self.layout = Layout(json.loads(run(self.tools.layout)))

    def data_path(self, *parts):
        return os.path.join(self.app, "data", *parts)

    def start(self, *arguments):
        self.launch(*arguments)
        return self.wait_for_menu()

    def launch(self, *arguments):
        """Starts the process; what it shows first is the caller's to wait for."""
        with open(self.log_path, "w") as log:
            self.process = subprocess.Popen(
                [os.path.join(self.app, os.path.basename(self.tools.program)), *arguments],
                stderr=log, stdout=log, env=self.env)

    def wait_for_menu(self):
        """Waits for the main window and its top menu."""
        self.window = wait_until("the main window", self.find_window, 60, interval=0.1)
        self.recorder = Recorder()
        self.wait_for_stage_colour("the top menu", "TopMenu", "topMenu",
                                   self.layout.content["topMenu"]["1-1"], CREAM)
        return self

    def find_window(self, name="^Form1$"):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True, env=self.env)
        lines = found.stdout.split()
        return lines[0] if lines else None

    def xdotool(self, *arguments):
        return run("xdotool", *arguments, env=self.env)

    def geometry(self, window=None):
        out = self.xdotool("getwindowgeometry", "--shell", window or self.window)
        values = dict(line.split("=") for line in out.split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def log(self):
        with open(self.log_path) as log:
            return log.read()

    def close(self):
        if self.recorder:
            self.recorder.stop()
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    # -- input

    def click_at(self, point, window=None, double=False):
        x, y = (int(round(v)) for v in point)
        target = window or self.window
        # The pointer arrives, then moves a little, as a hand moves it: the
        # movie sees it over the button before the press.
        self.xdotool("mousemove", "--window", target, str(x - 3), str(y - 3))
        time.sleep(0.1)
        self.xdotool("mousemove", "--window", target, str(x), str(y))
        time.sleep(0.2)
        pressed = self.recorder.now() if self.recorder else None
        self.xdotool("click", "--repeat", "2" if double else "1", "--delay", "80", "1")
        return pressed

    def click(self, control):
        """Clicks a control; returns when, on the recording's clock, the button went down."""
        return self.click_at(self.layout.centre(control))

    def click_stage(self, slot, stage, area):
        self.click_at(self.layout.stage_point(slot, stage, area))

    def type_keys(self, *keys):
        self.xdotool("key", "--delay", "60", *keys)

    # -- looking

    def screen_point(self, point, window=None):
        x, y, _, _ = self.geometry(window)
        return (x + point[0], y + point[1])

    def colour_at(self, point):
        return screenshot(self.env).pixel(*self.screen_point(point))

    def wait_for_colour(self, what, point, colour, timeout=30):
        return wait_until(what, lambda: colour_near(self.colour_at(point), colour), timeout, 0.1)

    def tile_point(self, slot, stage, area):
        # Inside the tile's frame, clear of its centred label.
        return self.layout.stage_point(slot, stage, area, at=(0.12, 0.5))

    def wait_for_stage_colour(self, what, slot, stage, area, colour, timeout=60):
        self.wait_for_colour(what, self.tile_point(slot, stage, area), colour, timeout)

    def region(self, rect):
        return self.regions([rect])[0]

    def regions(self, rects):
        """Several regions of the window, from one screenshot."""
        x, y, _, _ = self.geometry()
        shot = screenshot(self.env)
        return [shot.region((x + rect[0], y + rect[1], rect[2], rect[3])) for rect in rects]

    def wait_for_steady(self, what, rect, steady=1.0, timeout=30):
        """Waits until the region stops changing; returns it."""
        last = [self.region(rect), time.monotonic()]

        def settled():
            now = self.region(rect)
            if changed(now, last[0]) > 2:
                last[0], last[1] = now, time.monotonic()
                return None
            return now if time.monotonic() - last[1] >= steady else None
        return wait_until(what, settled, timeout, 0.2)

    # -- journeys' common steps

    def click_until(self, what, click, seen, attempts=3, each=15):
        """Clicks, then waits for what the click should show; clicks again
        when a busy machine let the movie miss the click."""
        for _ in range(attempts):
            click()
            try:
                return wait_until(what, seen, each, 0.1)
            except JourneyFailed:
                pass
        raise JourneyFailed(f"{what} did not show after {attempts} clicks")

    def showing(self, slot, stage, area, colour, tolerance=24):
        point = self.tile_point(slot, stage, area)
        return lambda: colour_near(self.colour_at(point), colour, tolerance)

    def choose_chapter(self, chapter, attempts=3):
        """Chooses the chapter in its group's list; when a busy machine let a
        movie miss or misplace a click, starts again from the main menu."""
        content = self.layout.content
        slot = self.layout.list_slot(chapter["group"])
        area = content["chapterLists"][chapter["group"]][chapter["key"]]
        for attempt in range(attempts):
            if attempt:
                self.click("Image20")
            try:
                self.open_group(chapter["group"], area, attempts=1)
                self.click_until(f"the menu of {chapter['folder']}",
                                 lambda: self.click_stage(slot, "chapterList", area),
                                 self.menu_page_showing(chapter["pages"][0]), attempts=1)
                return
            except JourneyFailed:
                pass
        raise JourneyFailed(f"could not choose {chapter['folder']} in {attempts} attempts")

    def open_group(self, group, area, attempts=3):
        """Opens a group's chapter list, seen by the tile at `area` of the list."""
        # The list takes the top menu's place: its tiles lie elsewhere.
        strip = self.layout.rect("TopMenu")
        menu = self.region(strip)
        tile = self.showing(self.layout.list_slot(group), "chapterList", area, CREAM)
        self.click_until("the chapter list",
                         lambda: self.click_stage("TopMenu", "topMenu",
                                                  self.layout.content["topMenu"][group]),
                         lambda: changed(self.region(strip), menu) > 500 and tile(),
                         attempts=attempts)

    def menu_page_showing(self, page):
        """The page's own number of verse tiles tells it from other chapters' pages."""
        cells = self.layout.content["menuCells"]
        count = page["last"] - page["first"] + 1
        last = self.showing("flash1", "main", cells[str(count)], CREAM)
        after = self.showing("flash1", "main", cells[str(count + 1)], CREAM) \
            if str(count + 1) in cells else (lambda: False)
        # Just above the first row of tiles: the menu's own background, where a
        # verse page has its cream panel (whose words may leave the tiles'
        # points cream and the next one not).
        first = cells["1"]
        above = self.layout.stage_point("flash1", "main", (first[0], first[1] - 8, 1, 1), (0, 0))
        return lambda: last() and not after() and not colour_near(self.colour_at(above), CREAM, 24)

    def wait_for_menu_page(self, chapter, page, timeout=60):
        wait_until(f"{page['file']} of {chapter['folder']}", self.menu_page_showing(page), timeout,
                   0.1)

    def show_page(self, chapter, target, page=None):
        """Turns the chapter menu's pages from `page` (the first) to `target`."""
        page = page or chapter["pages"][0]
        strip = f"page{target['number']}"
        if page is not target and strip in page["buttons"]:
            # A long chapter's numbered strip goes straight there. Its pages
            # hold as many tiles, so the first tile's number tells them apart.
            first = self.layout.stage_rect("flash1", "main", page["buttons"][str(page["first"])])
            before = self.region(first)
            self.click_until(target["file"],
                             lambda: self.click_stage("flash1", "main", page["buttons"][strip]),
                             lambda: self.menu_page_showing(target)() and
                             changed(self.region(first), before) > 3)
            return
        while page is not target:
            index = chapter["pages"].index(page)
            forward = chapter["pages"].index(target) > index
            key = page["next"] if forward else page["previous"]
            following = chapter["pages"][index + (1 if forward else -1)]
            self.click_until(following["file"],
                             lambda: self.click_stage("flash1", "main", page["buttons"][key]),
                             self.menu_page_showing(following))
            page = following

    def click_verse(self, chapter, verse, page=None):
        target = self.layout.page_of(chapter, verse)
        self.show_page(chapter, target, page)
        self.click_stage("flash1", "main", target["buttons"][str(verse)])

    def read(self, chapter, start, timeout, page=None):
        """Starts a reading with the click `start` and waits for its end, seen
        as the chapter menu page coming back; returns the segments heard
        meanwhile."""
        page = page or chapter["pages"][0]
        showing = self.menu_page_showing(page)
        since = self.recorder.now()
        self.click_until("the reading to start", start, lambda: not showing())
        # Seen twice apart, so that one look caught between two pages does not end the wait.
        wait_until(f"the reading to end and {page['file']} to come back",
                   lambda: showing() and (time.sleep(0.6) or showing()), timeout, 0.2)
        time.sleep(0.5)
        return self.recorder.segments(since)

    def wait_for_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailed(f"the process did not end within {timeout} s")

