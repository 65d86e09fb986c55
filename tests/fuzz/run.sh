#!/usr/bin/env bash
# Runs a libFuzzer target for a while on a copy of its seeds, plus any seeds
# it writes itself (HIFZ_FUZZ_SEEDS). Arguments: the target, its seeds folder
# (may be missing), the seconds to run. An input that crashes, leaks or takes
# more than 10 s is kept beside the build as crash-*, leak-* or timeout-*.
set -euo pipefail
target=$1
seeds=$2
seconds=$3
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
if [ -d "$seeds" ]; then cp "$seeds"/* "$corpus"/; fi
HIFZ_FUZZ_SEEDS=$corpus "$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$PWD/$(basename "$target")-"
