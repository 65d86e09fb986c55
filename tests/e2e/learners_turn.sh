#!/usr/bin/env bash
# Pause mode as a learner uses it, on the sample content: repeat count 3 and
# a pause of 2 seconds chosen on the options panel, then verse 1 of the first
# chapter. Heard on the sound server's null sink: three plays of the verse's
# tone, a beep at the start of each gap between them, and each gap the
# verse's length plus 2 s, late by at most one poll period and the load time.
# Seen on screen: the countdown where the reciting indicator stands during
# each gap, and not during the plays nor after the reading. Run inside
# scripts/headless. Arguments: the program, the content generator; with
# ARTIFACTS set to a folder, a screenshot of the countdown is kept there.
set -euo pipefail
program=$1
make_content=$2

# shellcheck source=program.sh
source "$(dirname "$0")/program.sh"
fail() {
  echo "learners_turn: $*" >&2
  cat "$work/program.log" >&2
  keep
  exit 1
}
# With ARTIFACTS set, what was heard and seen stays there.
keep() {
  [ -n "${ARTIFACTS:-}" ] || return 0
  mkdir -p "$ARTIFACTS"
  cp "$work"/heard.raw "$work"/blocks "$work"/shots "$work"/shot-*.png "$ARTIFACTS/" 2>/dev/null || true
  import -window "$window" "$ARTIFACTS/window.png" || true
}

readonly poll=0.5   # the poll period, seconds
readonly pause=2    # the chosen seconds
# The page sees a movie's end up to 0.2 s after its last frame; the sound
# server and the screen add a little.
readonly slack=0.25

mkdir "$work/app"
cp "$program" "$work/app/"
"$make_content" "$work/app" >/dev/null

"$work/app/$(basename "$program")" 2>"$work/program.log" &
pids+=($!)
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.3
done
[ -n "$window" ] || fail "the window did not appear"
sleep 6 # the menus load

# shellcheck source=turn_tools.sh
source "$(dirname "$0")/turn_tools.sh"

# The first group, the first chapter of its list (points in the menu movies).
click 513 456 2.5
click 508 376 3
click_control 0 0 6255 8520 840 360 1                  # Image19: the options panel
click_control $options_panel 1395 420 480 270 0.5      # Label9: 2 plays
click_control $options_panel 1395 420 480 270 0.5      # Label9: 3 plays
click_control $options_panel 1365 1350 300 300 0.5     # Image5(1): pause mode, 2 seconds
click_control $options_panel 630 3450 915 360 1        # Image18: close the panel

record hifz_null.monitor "$work/heard.raw"
recording=$recorded
sleep 0.3
clicked=$(now)
click 516 186 0 # verse 1 in the chapter menu

readonly countdown_pixels=600

# The reciting indicator's place, Picture5 at 10200, 5760 twips, 68 x 65 pixels.
readonly shot_area="68x65+$((10200 / 15))+$((5760 / 15))"
: >"$work/shots"
n=0
while awk -v s="$(now)" -v r="$recording" 'BEGIN { exit !(s - r < 26) }'; do
  before=$(now)
  import -window "$window" -crop "$shot_area" +repage "$work/shot-$n.png"
  # For the record, the whole window once, when the countdown first shows.
  if [ -n "${ARTIFACTS:-}" ] && [ ! -f "$work/window-countdown.png" ] &&
    [ "$(ring_pixels "$work/shot-$n.png")" -ge $countdown_pixels ]; then
    import -window "$window" "$work/window-countdown.png"
  fi
  echo "$n $(awk -v a="$before" -v b="$(now)" -v r="$recording" 'BEGIN { printf "%.3f", (a + b) / 2 - r }')" >>"$work/shots"
  n=$((n + 1))
  sleep 0.3
done
kill "${pids[1]}"
wait "${pids[1]}" 2>/dev/null || true

# The recording in 10 ms blocks: its loudness (RMS), its pitch (from the sign
# changes) and how much of it is high (the RMS of its steps, 0.15 of the
# loudness for the verse's 525 Hz tone, more with a beep). A block is the
# verse's when it is the tone alone, else the beep's: a beep heard over the
# end of the verse still counts.
sox -t raw -r $rate -e signed -b 16 -c 1 "$work/heard.raw" -t dat - |
  awk -v block=$((rate / 100)) '
    /^;/ { next }
    {
      v = $2; sum += v * v
      if (n > 0) { steps += (v - last) ^ 2; if ((v < 0) != (last < 0)) cross++ }
      last = v; n++
    }
    n == block {
      rms = sqrt(sum / n) * 32768; high = rms > 0 ? sqrt(steps / n) * 32768 / rms : 0
      pitch = cross / 2 * 100
      kind = rms < 100 ? "-" : (high < 0.35 && pitch > 495 && pitch < 555 ? "V" : "B")
      printf "%.2f %s\n", t, kind
      t += 0.01; n = 0; sum = 0; steps = 0; cross = 0
    }' >"$work/blocks"

# The plays: from a block of the verse's tone to the last one that follows
# with no more than 0.5 s between, as the sound may drop out on a busy
# machine. The beeps: 50 ms or more of the other sound without a break (the
# verse's drop-outs make only a block or two of it).
awk '
  $2 == "V" {
    if (start == "" || $1 - end > 0.5) { if (start != "") print "V", start, end; start = $1 }
    end = $1 + 0.01
  }
  END { if (start != "") print "V", start, end }' "$work/blocks" | awk '$3 - $2 > 0.5' >"$work/verses"
awk '
  $2 == "B" { if (run == 0) first = $1; run++; next }
  { if (run >= 5) print "B", first, first + run / 100; run = 0 }' "$work/blocks" >"$work/beeps"
echo "heard (kind, start, end in seconds from the recording's start):"
sort -k2 -n "$work/verses" "$work/beeps" | sed 's/^/  /'

[ "$(wc -l <"$work/verses")" -eq 3 ] || fail "the verse was not heard three times"
load=$(awk -v c="$clicked" -v r="$recording" 'NR == 1 { printf "%.3f", $2 - (c - r) }' "$work/verses")
# Verse 1 of the sample's first chapter: 38 frames at 25 a second.
readonly verse=1.52
echo "verse: ${verse} s; from the click to its sound (the load time): ${load} s"

# Each gap and its beep. The beep sounds when the poll finds the play's end,
# which the next play follows after the pause and its own load time; less
# that load time, the second gap is at most one poll longer than the first.
awk -v poll=$poll -v pause=$pause -v load="$load" -v verse="$verse" -v slack=$slack \
  -v beeps="$work/beeps" '
  BEGIN { while ((getline line < beeps) > 0) { split(line, b, " "); beep[++nb] = b[2] } }
  { start[NR] = $2; end[NR] = $3 }
  END {
    bad = 0
    for (i = 1; i < NR; i++) {
      gap = start[i + 1] - end[i]
      late = gap - verse - pause
      heard = ""
      for (j = 1; j <= nb; j++)
        if (heard == "" && beep[j] >= end[i] - 0.3 && beep[j] <= end[i] + poll + slack) heard = beep[j]
      printf "gap %d: %.2f s (verse + %d s + %.2f s)", i, gap, pause, late
      if (heard == "") print "; beep not heard"
      else {
        loaded[i] = start[i + 1] - heard - verse - pause
        printf "; beep %.2f s after the verse ended; the next play loaded in %.2f s\n", heard - end[i], loaded[i]
      }
      if (late < -slack || late > poll + load + slack) { print "  the gap is not the verse plus the pause"; bad = 1 }
      if (heard == "") { print "  no beep at the start of the gap"; bad = 1 }
      steady[i] = gap - loaded[i]
    }
    if (steady[2] > steady[1] + poll) { print "  the second gap is longer than the first by more than a poll"; bad = 1 }
    exit bad
  }' "$work/verses" || fail "the pauses were not as chosen"

bad=0
kept=
declare -A seen
while read -r i at; do
  expected=$(awk -v t="$at" -v poll=$poll -v load="$load" '
    { s[NR] = $2; e[NR] = $3 }
    END {
      for (k = 1; k < NR; k++) if (t > e[k] + poll + 0.3 && t < s[k + 1] - load - 0.3) { print "yes"; exit }
      for (k = 1; k <= NR; k++) if (t > s[k] + 0.3 && t < e[k] - 0.3) { print "no"; exit }
      if (t > e[NR] + 1) { print "no"; exit }
      print "either"
    }' "$work/verses")
  [ "$expected" = either ] && continue
  pixels=$(ring_pixels "$work/shot-$i.png")
  shown=no
  [ "$pixels" -ge $countdown_pixels ] && shown=yes
  seen[$shown$expected]=$((${seen[$shown$expected]:-0} + 1))
  if [ "$shown" != "$expected" ]; then
    echo "screenshot at ${at} s: ${pixels} ring pixels, countdown expected: ${expected}"
    bad=1
  fi
  if [ "$expected" = yes ] && [ -z "$kept" ]; then kept=$i; fi
done <"$work/shots"
echo "countdown seen in ${seen[yesyes]:-0} screenshots during the gaps, missing from" \
  "${seen[nono]:-0} during the plays and after the reading"
[ "$bad" -eq 0 ] || fail "the countdown did not show exactly during the gaps"
[ -n "$kept" ] || fail "no screenshot fell inside a gap"
if [ -n "${ARTIFACTS:-}" ]; then
  mkdir -p "$ARTIFACTS"
  cp "$work/shot-$kept.png" "$ARTIFACTS/countdown.png"
  cp "$work/window-countdown.png" "$ARTIFACTS/"
  import -window "$window" "$ARTIFACTS/window-after.png"
fi
echo "learners_turn: heard and seen as chosen"
