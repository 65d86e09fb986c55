#!/usr/bin/env bash
# The built program driven as a user would, on the sample content: choose the
# first group, its first chapter and verse 1, and hear the verse's tone on the
# sound server's null sink. Run inside scripts/headless (its display and sound
# server), at the volume that start-up sets. Arguments: the program, the
# content generator.
set -euo pipefail
program=$1
make_content=$2

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The program reads its data beside itself.
mkdir "$work/app"
cp "$program" "$work/app/"
"$make_content" "$work/app" >/dev/null

"$work/app/$(basename "$program")" 2>"$work/program.log" &
pids+=($!)
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "click_to_sound: the window did not appear" >&2; exit 1; }
sleep 4  # the menus load

parec --device=hifz_null.monitor --raw --format=s16le --rate=11025 --channels=1 >"$work/heard.raw" &
pids+=($!)

# Points in the window, in pixels: the first group, the first chapter of its
# list, the button of verse 1 in the chapter menu.
click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
  sleep "$3"
}
click 513 456 1.5
click 508 376 2
click 516 186 4

kill "${pids[1]}"
stats=$(sox -t raw -r 11025 -e signed -b 16 -c 1 "$work/heard.raw" -n stat 2>&1)
frequency=$(awk -F: '/Rough   frequency/ {gsub(/ /, "", $2); print $2}' <<<"$stats")
amplitude=$(awk -F: '/Maximum amplitude/ {gsub(/ /, "", $2); print $2}' <<<"$stats")
echo "heard: ${frequency:-nothing} Hz at amplitude ${amplitude:-0}"
# The sample verses sound a 525 Hz tone at 0.22 of full scale. Start-up sets
# the speakers to level 4, 37448 of 65535, which the sound server applies on
# its cubic scale: 0.22 x 0.571^3 = 0.041.
if ! awk -v f="${frequency:-0}" -v a="${amplitude:-0}" \
  'BEGIN { exit !(f > 500 && f < 550 && a > 0.03 && a < 0.055) }'; then
  echo "click_to_sound: the verse's tone was not heard" >&2
  cat "$work/program.log" >&2
  exit 1
fi
