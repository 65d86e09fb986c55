#!/usr/bin/env bash
# Prints the processor time, in clock ticks, that a process and all its
# descendants have used so far, one line per process: "pid ticks name".
# Argument: the root process's id.
set -euo pipefail
root=$1
declare -A parent
for stat in /proc/[0-9]*/stat; do
  { read -r line <"$stat"; } 2>/dev/null || continue
  pid=${line%% *}
  rest=${line##*) }
  read -r -a fields <<<"$rest"
  parent[$pid]=${fields[1]}
done
for pid in "${!parent[@]}"; do
  up=$pid
  while [ -n "$up" ] && [ "$up" != 0 ] && [ "$up" != "$root" ]; do up=${parent[$up]:-}; done
  [ "$up" = "$root" ] || continue
  { read -r line <"/proc/$pid/stat"; } 2>/dev/null || continue
  name=${line#*(}
  name=${name%%)*}
  rest=${line##*) }
  read -r -a fields <<<"$rest"
  # utime and stime are the 14th and 15th fields of the whole line.
  echo "$pid $((fields[11] + fields[12])) $name"
done
