#!/usr/bin/env python3
"""The learner's journeys with content of their own: a reciter added from the
program, a build cancelled midway or ended by a signal, and the one-time word
on the sample sound.

Usage: reciter_journeys.py NAME --program P --make-content M --layout L
Run inside scripts/headless. Prints what it observed; exits 0 when the journey
went as the learner expects, 1 with the reason otherwise.
"""

import argparse
import hashlib
import os
import signal
import subprocess
import sys
import time

import harness
from harness import check, JourneyFailed, wait_until

JOURNEYS = {}
TITLE = "إضافة قارئ"
# The recitation's pitch, far from the sample content's tone.
RECITER_PITCH = 660


def journey(function):
    JOURNEYS[function.__name__.replace("_", "-")] = function
    return function


def make_recitation(folder, surahs, seconds):
    """A reciter's files as they are published: one MP3 per verse, SSSAAA.mp3,
    zipped with the files in a folder of their own."""
    files = os.path.join(folder, "reciter")
    os.makedirs(files)
    wave = os.path.join(folder, "verse.wav")
    verse = os.path.join(folder, "verse.mp3")
    harness.run("sox", "-n", "-r", "44100", "-c", "1", wave, "synth", str(seconds), "sine",
                str(RECITER_PITCH), "vol", "0.5")
    harness.run("lame", "--quiet", "-b", "64", wave, verse)
    with open(verse, "rb") as source:
        sound = source.read()
    for surah, verses in surahs.items():
        for number in range(1, verses + 1):
            with open(os.path.join(files, f"{surah:03d}{number:03d}.mp3"), "wb") as out:
                out.write(sound)
    archive = os.path.join(folder, "reciter.zip")
    subprocess.run(["zip", "-q", "-r", archive, "reciter"], cwd=folder, check=True)
    return archive


def press(program, window, key):
    """A key pressed in the dialog, as the learner's keyboard sends it."""
    program.xdotool("windowfocus", "--sync", window)
    program.xdotool("key", key)


def user_content(program):
    return os.path.join(program.env["XDG_DATA_HOME"], "hifz")


def content_in_place(program):
    """Whether the learner's folder holds content (the practice log that the
    running program keeps there is not content)."""
    return os.path.exists(os.path.join(user_content(program), "data"))


def fingerprint(folder):
    """Every file of the content under the folder with a digest of its bytes;
    the practice log beside the content is the learner's, not the content's."""
    found = {}
    for parent, _, files in os.walk(folder):
        for name in files:
            if name.startswith("progress.sqlite"):
                continue
            path = os.path.join(parent, name)
            with open(path, "rb") as data:
                found[os.path.relpath(path, folder)] = hashlib.sha1(data.read()).hexdigest()
    return found


def staging_left(program):
    home = program.env["XDG_DATA_HOME"]
    return [name for name in os.listdir(home) if name.startswith(".hifz-reciter")]


@journey
def add_reciter(program):
    """A zip of a reciter's files added from the program: its progress and its
    summary are shown, and once the learner agrees the program opens on the
    new content and a verse sounds as the reciter recorded it."""
    surahs = {114: 6, 113: 5}
    archive = make_recitation(program.work, surahs, 1.5)
    program.launch("--add-reciter", archive)
    summary = wait_until("the summary", lambda: program.find_window(f"^{TITLE}: تم البناء$"),
                         120, 0.1)
    log = program.log()
    check("building 1-1/An Nas (114)" in log, "the progress did not name An Nas")
    check("built: chapters built: 2 of 37, verses: 11, verses missing: 0" in log,
          f"the summary is not the build's: {log}")
    check(not content_in_place(program),
          "the content was put in place before the learner agreed")
    print("progress and summary shown; nothing in place yet")
    press(program, summary, "Return")
    program.wait_for_menu()
    wait_until("the content folder in use to be told",
               lambda: f"content from {user_content(program)}\n" in program.log(), 10)
    check(os.path.isfile(os.path.join(user_content(program), "data", "1-1", "An Nas",
                                      "1-001.gif")), "An Nas verse 1 is not in the user's folder")
    check(not staging_left(program), "a staging folder was left behind")
    chapter = program.layout.chapters[0]
    check(chapter["folder"] == "1-1/An Nas", f"the first chapter is {chapter['folder']}")
    program.choose_chapter(chapter)
    segments = program.read(chapter, lambda: program.click_verse(chapter, 1), 60)
    heard = [s for s in segments if s.length >= 0.5 and abs(s.frequency - RECITER_PITCH) < 20]
    check(heard, f"the reciter's verse was not heard: {harness.describe(segments)}")
    length = max(s.end for s in heard) - min(s.start for s in heard)
    print(f"the new reciter's verse 1 heard at {heard[0].frequency:.0f} Hz for {length:.2f} s")
    check(abs(length - 1.5) < 0.4, "the verse was not heard whole")


@journey
def add_reciter_chosen(program):
    """A zip chosen in the file chooser: the chooser speaks Arabic (its title
    is Qt's own word for "Open", from Qt's translations), and the progress
    names each chapter by its Arabic name."""
    archive = make_recitation(program.work, {114: 6}, 1.5)
    program.launch("--add-reciter")
    first = wait_until("the first window", lambda: program.find_window(f"^{TITLE}$"), 60, 0.1)
    # The zip button has the focus.
    press(program, first, "space")
    chooser = wait_until("the file chooser, titled in Arabic", lambda: program.find_window("^افتح$"),
                         10, 0.1)
    program.xdotool("windowfocus", "--sync", chooser)
    program.xdotool("type", "--delay", "20", archive)
    press(program, chooser, "Return")
    summary = wait_until("the summary", lambda: program.find_window(f"^{TITLE}: تم البناء$"),
                         120, 0.1)
    log = program.log()
    check("building 1-1/An Nas (114), سورة الناس (" in log,
          f"the progress did not name An Nas in Arabic: {log}")
    print("the chooser's title is Arabic; the progress names سورة الناس")
    press(program, summary, "Escape")
    program.wait_for_menu()
    check(not content_in_place(program), "the content was put in place unasked")


@journey
def add_reciter_cancelled(program):
    """A build cancelled midway leaves the content in use exactly as it was,
    with nothing left beside it, and the program opens on it."""
    old = user_content(program)
    harness.run(program.tools.make_content, old)
    before = fingerprint(old)
    # Every chapter, in verses long enough that the build takes a while.
    surahs = {1: 7, **{surah: 50 for surah in range(79, 115)}}
    archive = make_recitation(program.work, surahs, 6)
    program.launch("--add-reciter", archive)
    building = wait_until("the progress", lambda: program.find_window(f"^{TITLE}: جارٍ البناء$"),
                          60, 0.05)
    wait_until("a chapter being built", lambda: "building " in program.log(), 30)
    press(program, building, "Escape")
    program.wait_for_menu()
    log = program.log()
    check("adding the reciter was cancelled; nothing changed" in log,
          f"the cancel was not told: {log}")
    check("built:" not in log, "the build ran to its end before the cancel")
    check(f"content from {old}\n" in log, "the program did not open on the content it had")
    check(fingerprint(old) == before, "the content in use changed")
    check(not staging_left(program), "a staging folder was left behind")
    print(f"cancelled midway; {len(before)} files of the content in use unchanged")


@journey
def add_reciter_signalled(program):
    """Asked to end while a reciter's content is being built (a logout, a
    closed terminal, Ctrl+C), the program stops the build, removes its folder
    and ends as a close does, with the content in use as it was; a build folder
    that an earlier run left is removed when the program starts."""
    old = user_content(program)
    harness.run(program.tools.make_content, old)
    before = fingerprint(old)
    surahs = {1: 7, **{surah: 50 for surah in range(79, 115)}}
    archive = make_recitation(program.work, surahs, 6)
    earlier = ".hifz-reciter-oldrun"
    for name, status in (("SIGTERM", 0), ("SIGHUP", 0), ("SIGINT", 130)):
        # As a run ended outright left it, before builds held a lock.
        os.makedirs(os.path.join(program.env["XDG_DATA_HOME"], earlier, "content", "data"))
        program.launch("--add-reciter", archive)
        wait_until("a chapter being built", lambda: "building " in program.log(), 60)
        building = [folder for folder in staging_left(program) if folder != earlier]
        check(len(building) == 1, f"{name}: the build has no folder of its own: {building}")
        program.process.send_signal(getattr(signal, name))
        try:
            code = program.process.wait(30)
        except subprocess.TimeoutExpired:
            raise JourneyFailed(f"{name}: the program did not end")
        log = program.log()
        check(code == status, f"{name}: the program ended with {code}, not {status}")
        check("built:" not in log, f"{name}: the build ran to its end")
        check("content from" not in log, f"{name}: the program went on to its main window")
        check(not staging_left(program), f"{name}: build folders were left: {staging_left(program)}")
        check(f"{earlier}, left by a reciter build that did not end" in log,
              f"{name}: the earlier run's folder was not told of")
        check(fingerprint(old) == before, f"{name}: the content in use changed")
        print(f"{name} mid-build: ended with {code}, no build folder left")


@journey
def sample_notice(program):
    """On the sample content the learner is told once that its sound is a
    tone; the next start says nothing."""
    settings = os.path.join(program.env["XDG_CONFIG_HOME"], "hifz", "hifz.conf")
    os.remove(settings)
    # The notice may come before the top menu is drawn, and lie over it.
    program.launch()
    wait_until("the word on the sample sound", lambda: program.find_window("^MsgForm$"), 60, 0.1)
    with open(settings) as kept:
        check("sampleContentShown=true" in kept.read(), "the notice was not remembered")
    print("the notice shows, and is remembered")
    program.process.terminate()
    program.process.wait()
    program.start()
    time.sleep(3)
    check(not program.find_window("^MsgForm$"), "the notice came back")
    print("the next start says nothing")


@journey
def installed_reciter(program):
    """The installed content builder makes content of a reciter's zip with the
    text installed beside it, and the installed program plays it: a learner
    who installed the package needs nothing of the source tree."""
    prefix = os.path.join(program.work, "prefix")
    harness.run("cmake", "--install", program.tools.build_dir, "--prefix", prefix)
    builder = os.path.join(prefix, "bin", "hifz-build-content")
    manual = subprocess.run(["man", "-l", os.path.join(prefix, "share", "man", "man1",
                                                       "hifz-build-content.1.gz")],
                            capture_output=True, text=True, env={**program.env, "MANPAGER": "cat"})
    check(manual.returncode == 0 and "--force" in manual.stdout,
          f"the manual page does not read: {manual.stderr}")
    archive = make_recitation(program.work, {114: 6}, 1.5)
    os.makedirs(program.env["XDG_DATA_HOME"])
    # Far from the source tree, as a learner would run it.
    built = subprocess.run([builder, "--chapters", "114", archive, user_content(program)],
                           capture_output=True, text=True, env=program.env, cwd=prefix)
    check(built.returncode == 0, f"the installed builder failed: {built.stderr}")
    print(built.stdout.strip().splitlines()[-1])
    program.app = os.path.join(prefix, "bin")
    program.start()
    check(f"content from {user_content(program)}\n" in program.log(),
          "the installed program did not open on the built content")
    chapter = program.layout.chapters[0]
    program.choose_chapter(chapter)
    segments = program.read(chapter, lambda: program.click_verse(chapter, 1), 60)
    heard = [s for s in segments if s.length >= 0.5 and abs(s.frequency - RECITER_PITCH) < 20]
    check(heard, f"the reciter's verse was not heard: {harness.describe(segments)}")
    print(f"verse 1 of the installed builder's content heard at {heard[0].frequency:.0f} Hz")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("journey", choices=sorted(JOURNEYS))
    for option in ("program", "make-content", "layout", "build-dir"):
        parser.add_argument("--" + option, required=True)
    tools = parser.parse_args()
    program = harness.Program(tools)
    try:
        JOURNEYS[tools.journey](program)
        print(f"{tools.journey}: passed")
        return 0
    except JourneyFailed as failure:
        print(f"{tools.journey}: FAILED: {failure}", file=sys.stderr)
        if program.process:
            print("--- program's output (last lines) ---\n" + program.log()[-2500:],
                  file=sys.stderr)
        return 1
    finally:
        program.close()


if __name__ == "__main__":
    sys.exit(main())
