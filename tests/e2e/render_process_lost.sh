#!/usr/bin/env bash
# The built program loses the process that draws its page: it draws the window
# again, as it was, and still answers clicks; losing it a second time within a
# minute ends the program with a message instead of looping. Run inside
# scripts/headless. Arguments: the program, the content generator.
set -euo pipefail
program=$1
make_content=$2

work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "render_process_lost: $*" >&2
  cat "$work/program.log" >&2
  exit 1
}

mkdir "$work/app"
cp "$program" "$work/app/"
"$make_content" "$work/app" >/dev/null
"$work/app/$(basename "$program")" 2>"$work/program.log" &
pid=$!

# Waits up to $1 tenths of a second for the command that follows to succeed.
within() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
window=
find_window() { window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n1) && [ -n "$window" ]; }
within 300 find_window || fail "the window did not appear"

# The credits panel on the right is a still picture of the window's own.
shot() { import -window "$window" -crop 150x560+640+10 +repage "$work/$1.png" 2>/dev/null; }
differing() { compare -metric AE -fuzz 8% "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
drawn() { shot now && [ "$(convert "$work/now.png" -format '%[fx:mean<0.9]' info:)" = 1 ]; }
within 300 drawn || fail "the window was never drawn"
sleep 1
shot before

# The renderer is the zygote's child; its command line is the zygote's.
renderer() {
  for zygote in $(pgrep -f -- "--type=zygote --no-sandbox --application-name=hifz "); do
    pgrep -P "$zygote"
  done | head -n1
}
lost() { grep -q "$1" "$work/program.log"; }
kill -9 "$(renderer)"
within 100 lost "drawing the window again" || fail "the loss was not noticed"
same_again() { shot after && [ "$(differing before after)" -lt 200 ]; }
within 300 same_again || fail "the window was not drawn again ($(differing before after) pixels differ)"

# It still answers: the first group's chapter list replaces the start-up text.
import -window "$window" "$work/menu.png"
xdotool mousemove --window "$window" 513 456 click 1
changed() { import -window "$window" "$work/list.png" && [ "$(differing menu list)" -gt 1000 ]; }
within 100 changed || fail "a click after the loss was not answered"

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
