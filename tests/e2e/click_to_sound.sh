#!/usr/bin/env bash
# The built program driven as a user would, on the sample content: choose the
# first group, its first chapter and verse 1, and hear the verse's tone on the
# sound server's null sink. Run inside scripts/headless (its display and sound
# server), at the volume that start-up sets. Arguments: the program, the
# content generator.
set -euo pipefail
# shellcheck source=program.sh
source "$(dirname "$0")/program.sh"
start_program "$1" "$2"

# Points in the window, in pixels: the first group, the first chapter of its
# list, the button of verse 1 in the chapter menu.
click_button 513 456 "the first group"
click_button 508 376 "its first chapter"
parec --device=hifz_null.monitor --raw --format=s16le --rate=11025 --channels=1 >"$work/heard.raw" &
pids+=($!)
click_button 516 186 "verse 1"

# The sample verses sound a 525 Hz tone at 0.22 of full scale. Start-up sets
# the speakers to level 4, 37448 of 65535, which the sound server applies on
# its cubic scale: 0.22 x 0.571^3 = 0.041.
frequency=
amplitude=
heard() {
  local stats
  stats=$(sox -t raw -r 11025 -e signed -b 16 -c 1 "$work/heard.raw" -n stat 2>&1) || return 1
  frequency=$(awk -F: '/Rough   frequency/ {gsub(/ /, "", $2); print $2}' <<<"$stats")
  amplitude=$(awk -F: '/Maximum amplitude/ {gsub(/ /, "", $2); print $2}' <<<"$stats")
  awk -v f="${frequency:-0}" -v a="${amplitude:-0}" \
    'BEGIN { exit !(f > 500 && f < 550 && a > 0.03 && a < 0.055) }'
}
# Heard once a second of it is in: the tone dominates what was recorded.
for _ in $(seq 30); do
  sleep 0.5
  [ "$(stat -c %s "$work/heard.raw")" -gt 44100 ] && heard && break
done
echo "heard: ${frequency:-nothing} Hz at amplitude ${amplitude:-0}"
heard || fail "the verse's tone was not heard"
