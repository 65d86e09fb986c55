#!/usr/bin/env bash
# The built program loses the process that draws its page: it draws the window
# again, as it was, and still answers clicks; losing it a second time within a
# minute ends the program with a message instead of looping. Run inside
# scripts/headless. Arguments: the program, the content generator.
set -euo pipefail
program=$1
make_content=$2

# shellcheck source=program.sh
source "$(dirname "$0")/program.sh"
start_program "$program" "$make_content"
sleep 1
shot before 150x560+640+10

# The renderer is a child of the program's zygote, with the zygote's command line.
renderer() {
  for zygote in $(pgrep -P "$pid" -f -- "--type=zygote --no-sandbox "); do
    pgrep -P "$zygote" || true
  done | head -n1
}
lost() { grep -q "$1" "$work/program.log"; }
kill -9 "$(renderer)"
within 100 lost "drawing the window again" || fail "the loss was not noticed"
same_again() { shot after 150x560+640+10 && [ "$(differing before after)" -lt 200 ]; }
within 300 same_again || fail "the window was not drawn again ($(differing before after) pixels differ)"

# It still answers: the first group's chapter list replaces the start-up text.
click_and_see 513 456 "the first group, after the loss"

kill -9 "$(renderer)"
within 100 lost "twice within a minute" || fail "the second loss was not noticed"
box() { xdotool search --onlyvisible --name 'Error' >/dev/null 2>&1; }
within 100 box || fail "no message was shown"
sleep 0.5
xdotool key Return
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 1 ] || fail "the program ended with status $status, not 1"
echo "render_process_lost: drawn again after one loss, ended with status 1 after the second"
