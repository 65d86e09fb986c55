#!/usr/bin/env bash
# The program's memory over many verse plays: starts the program on the
# sample content, opens the first chapter of the first group and clicks its
# verse 1 again and again, printing "plays PSS-in-MB" after the chapter opened
# and after every `every` plays. Run inside scripts/headless. Arguments: the
# program (with its data folder beside it), the number of plays (100), how
# often to print (50), the seconds between clicks (1). Each line then says
# "plays all program renderer gpu audio other", PSS in MB by process
# (process_tree_split.sh); with HIFZ_REST_SECONDS set, then the % of one core
# its processes use over that many seconds of rest; with HIFZ_PAGE_PORT set,
# the program opens its page to DevTools on that port and each line ends with
# what the page holds (page_memory.py).
set -euo pipefail
program=$1
plays=${2:-100}
every=${3:-50}
gap=${4:-1}
here=$(cd "$(dirname "$0")" && pwd)

pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

if [ -n "${HIFZ_PAGE_PORT:-}" ]; then export QTWEBENGINE_REMOTE_DEBUGGING=$HIFZ_PAGE_PORT; fi
"$program" 2>/dev/null &
pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "verse_memory: the window did not appear" >&2; exit 1; }
sleep 4

# Points in the window, in pixels: the first group, the first chapter of its
# list, the button of verse 1 in the chapter menu.
click() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1 mouseup 1
  sleep "$3"
}
click 513 456 1.5
click 508 376 2
ticks() { bash "$here/process_tree_cpu.sh" "$pid" | awk '{ sum += $2 } END { print sum }'; }
# % of one core the program's processes use over `seconds` with nothing playing.
rest_share() {
  local seconds=$1 before after
  before=$(ticks)
  sleep "$seconds"
  after=$(ticks)
  awk -v t=$((after - before)) -v s="$seconds" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.1f", 100 * t / hz / s }'
}
measure() {
  local rest= page=
  if [ -n "${HIFZ_REST_SECONDS:-}" ]; then rest=$(rest_share "$HIFZ_REST_SECONDS"); fi
  if [ -n "${HIFZ_PAGE_PORT:-}" ]; then page=$(python3 "$here/page_memory.py" "$HIFZ_PAGE_PORT"); fi
  echo "$1 $(bash "$here/process_tree_split.sh" "$pid") $rest $page"
}
measure 0
for ((play = 1; play <= plays; play++)); do
  click 516 186 "$gap"
  if ((play % every == 0)); then measure "$play"; fi
done
