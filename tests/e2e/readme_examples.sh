#!/usr/bin/env bash
# The README's examples of hifz-build-content, run exactly as written, in a
# fresh home with a reciter's files as they are published (reciter.zip and the
# folder reciter/). Arguments: the README, the folder holding the built
# hifz-build-content.
set -euo pipefail
readme=$1
export PATH=$2:$PATH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "readme_examples: $*" >&2
  exit 1
}

# The commands of the README's code blocks that call the builder.
mapfile -t examples < <(awk '/^```sh$/ { block = 1; next } /^```$/ { block = 0 }
  block && /^hifz-build-content / { print }' "$readme")
((${#examples[@]} >= 2)) || fail "the README shows no builder examples"

export HOME=$work/home
unset XDG_DATA_HOME
mkdir -p "$HOME/.local/share" "$work/here/reciter"
cd "$work/here"
sox -n -r 44100 -c 1 verse.wav synth 1 sine 660 vol 0.5
lame --quiet -b 64 verse.wav verse.mp3
for verse in 1 2 3 4 5 6; do cp verse.mp3 "reciter/114$(printf %03d $verse).mp3"; done
for verse in 1 2 3 4 5; do cp verse.mp3 "reciter/113$(printf %03d $verse).mp3"; done
for verse in 1 2 3 4 5 6 7; do cp verse.mp3 "reciter/001$(printf %03d $verse).mp3"; done
cp verse.mp3 reciter/078001.mp3
(cd reciter && zip -q ../reciter.zip ./*.mp3)

for example in "${examples[@]}"; do
  echo "$ $example"
  bash -c "$example" >"$work/out.log" 2>&1 || { cat "$work/out.log" >&2; fail "failed: $example"; }
  tail -n1 "$work/out.log"
done
for made in "$HOME/.local/share/hifz/data/1-1/An Nas/1-001.gif" "my-content/data/1-1/Al Fatihah/7-001.gif" \
  "two-parts/data/2-2/078 An-Naba/1-001.gif" two-parts/data/catalog.txt; do
  [ -f "$made" ] || fail "$made was not made"
done
echo "every example of the README ran"
