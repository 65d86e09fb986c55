#!/usr/bin/env bash
# The program's processor use at rest on its menu screen: starts the program,
# lets its menus load, then prints the share of one core that it and all its
# processes used over a stretch of time, per process name and in total.
# Run inside scripts/headless. Arguments: the program (with its data folder
# beside it), and optionally the seconds to wait for the menus and to
# measure (10, 20).
set -euo pipefail
program=$1
settle=${2:-10}
seconds=${3:-20}
here=$(cd "$(dirname "$0")" && pwd)

pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

"$program" 2>/dev/null &
pid=$!
sleep "$settle"

ticks() { bash "$here/process_tree_cpu.sh" "$pid"; }
before=$(ticks)
sleep "$seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
# Per process name: the ticks used in between, as a percentage of one core.
awk -v hz="$hz" -v s="$seconds" '
  NR == FNR { start[$1] = $2; next }
  { used = $2 - ($1 in start ? start[$1] : 0); by[$3] += used; total += used }
  END {
    for (name in by) printf "%s %.1f\n", name, 100 * by[name] / hz / s
    printf "total %.1f\n", 100 * total / hz / s
  }' <(echo "$before") <(echo "$after")
