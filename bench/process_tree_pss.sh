#!/usr/bin/env bash
# Prints the proportional set size, in MB, of a process and all its
# descendants (WebEngine's helper processes among them). Argument: the root
# process's id.
set -euo pipefail
root=$1
declare -A parent
for stat in /proc/[0-9]*/stat; do
  { read -r line <"$stat"; } 2>/dev/null || continue
  rest=${line##*) }
  read -r -a fields <<<"$rest"
  parent[${line%% *}]=${fields[1]}
done
kilobytes=0
for pid in "${!parent[@]}"; do
  up=$pid
  while [ -n "$up" ] && [ "$up" != 0 ] && [ "$up" != "$root" ]; do up=${parent[$up]:-}; done
  [ "$up" = "$root" ] || continue
  pss=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup" 2>/dev/null || true)
  kilobytes=$((kilobytes + ${pss:-0}))
done
awk -v k="$kilobytes" 'BEGIN { printf "%.1f\n", k / 1024 }'
