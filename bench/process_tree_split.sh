#!/usr/bin/env bash
# Prints the proportional set size, in MB, of a process and its descendants,
# split by kind: "total program renderer gpu audio other" (WebEngine's
# helper processes say their kind in their command line). Argument: the root
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
declare -A kilobytes=([program]=0 [renderer]=0 [gpu]=0 [audio]=0 [other]=0)
for pid in "${!parent[@]}"; do
  up=$pid
  while [ -n "$up" ] && [ "$up" != 0 ] && [ "$up" != "$root" ]; do up=${parent[$up]:-}; done
  [ "$up" = "$root" ] || [ "$pid" = "$root" ] || continue
  pss=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup" 2>/dev/null || true)
  command=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null || true)
  parent_command=$(tr '\0' ' ' <"/proc/${parent[$pid]}/cmdline" 2>/dev/null || true)
  # Renderers are forked from the zygote and keep its command line.
  case "$parent_command" in *--type=zygote*) command="--type=renderer" ;; esac
  case "$command" in
    *--type=renderer*) kind=renderer ;;
    *--type=gpu-process*) kind=gpu ;;
    *AudioService*) kind=audio ;;
    *--type=*) kind=other ;;
    *) kind=program ;;
  esac
  kilobytes[$kind]=$((kilobytes[$kind] + ${pss:-0}))
done
total=0
for kind in program renderer gpu audio other; do total=$((total + kilobytes[$kind])); done
awk -v t="$total" -v p="${kilobytes[program]}" -v r="${kilobytes[renderer]}" \
  -v g="${kilobytes[gpu]}" -v a="${kilobytes[audio]}" -v o="${kilobytes[other]}" \
  'BEGIN { printf "%.1f %.1f %.1f %.1f %.1f %.1f\n", t/1024, p/1024, r/1024, g/1024, a/1024, o/1024 }'
