#!/usr/bin/env bash
# The built program gives its window a new page once the old one has grown
# (here at once: any growth, after 8 s without input), while the learner
# rests on a chapter's menu: the window looks exactly as before, its range
# circles and repeat count kept, and answers clicks; no new page comes while
# a reading plays. Run inside scripts/headless. Arguments: the program, the
# content generator.
set -euo pipefail
program=$1
make_content=$2

# shellcheck source=program.sh
source "$(dirname "$0")/program.sh"
export HIFZ_RENEW_PAGE_MB=0 HIFZ_RENEW_PAGE_IDLE=8
start_program "$program" "$make_content"

renewals() { grep -c "a new one took its place" "$work/program.log" || true; }
# Waits for the next renewal after the count given.
renewed_after() { [ "$(renewals)" -gt "$1" ]; }

# The first group's first chapter, then its menu; three plays a verse.
click_and_see 513 456 "the first group"
click_and_see 508 376 "the first chapter"
for _ in 1 2; do
  xdotool mousemove --window "$window" 70 478 click 1
  sleep 0.3
done
# The pointer rests outside every movie, where nothing lights up under it.
xdotool mousemove --window "$window" 5 5
settle

for round in 1 2; do
  count=$(renewals)
  shot before
  within 400 renewed_after "$count" || fail "no new page came while the learner rested ($round)"
  shot after
  pixels=$(differing before after)
  [ "$pixels" = 0 ] || {
    cp "$work/before.png" "$work/after.png" /tmp/ 2>/dev/null || true
    fail "the window changed with the new page: $pixels pixels differ ($round)"
  }
  grep -o "took its place in [0-9]* ms" "$work/program.log" | tail -n1
done

# The new page answers: verse 1 of the menu starts a reading, and none comes
# while it plays (three plays of the verse, each followed by its end).
count=$(renewals)
click_and_see 516 186 "verse 1, on the new page"
sleep 3
[ "$(renewals)" = "$count" ] || fail "a new page came while a reading played"
echo "the window was kept through $(renewals) new pages"
