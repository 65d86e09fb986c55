# Shared by the shell journeys: start the built program on fresh sample
# content, wait on what can be seen, and look at the window. Source it, then
# call start_program with the program and the content generator.

work=$(mktemp -d)
pid=
pids=()
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  for other in "${pids[@]}"; do kill "$other" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  cat "$work/program.log" >&2
  exit 1
}

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
# A picture of the window, or of a part of it given as WxH+X+Y.
shot() {
  if [ -n "${2:-}" ]; then
    import -window "$window" -crop "$2" +repage "$work/$1.png" 2>/dev/null
  else
    import -window "$window" "$work/$1.png" 2>/dev/null
  fi
}
# How many pixels differ between two pictures taken by shot.
differing() { compare -metric AE -fuzz 8% "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
# The credits panel on the right is a still picture of the window's own.
drawn() { shot drawn 150x560+640+10 && [ "$(convert "$work/drawn.png" -format '%[fx:mean<0.9]' info:)" = 1 ]; }

# Starts the program beside fresh sample content and waits until its window is drawn.
start_program() {
  mkdir "$work/app"
  cp "$1" "$work/app/"
  "$2" "$work/app" >/dev/null
  "$work/app/$(basename "$1")" 2>"$work/program.log" &
  pid=$!
  within 300 find_window || fail "the window did not appear"
  within 300 drawn || fail "the window was never drawn"
  settle
}

# Waits until the button at a point of the window is drawn (the sample
# content's buttons are light tiles on dark stages), then clicks it.
click_button() {
  bright() {
    shot button 12x12+$(($1 - 6))+$(($2 - 6)) &&
      [ "$(convert "$work/button.png" -format '%[fx:mean>0.6]' info:)" = 1 ]
  }
  within 300 bright "$1" "$2" || fail "no button was drawn at $1,$2 ($3)"
  xdotool mousemove --window "$window" "$1" "$2" click 1
}

# Clicks a button, as click_button does, and waits until the window looks different.
click_and_see() {
  shot before_click
  click_button "$@"
  local changed=0
  for _ in $(seq 100); do
    shot after_click
    if [ "$(differing before_click after_click)" -gt 1000 ]; then
      changed=1
      break
    fi
    sleep 0.1
  done
  [ "$changed" = 1 ] || fail "nothing changed after a click at $1,$2 ($3)"
  settle
}

# Waits until the window stands still: the movies of a new screen come one by one.
settle() {
  shot settling
  for _ in $(seq 50); do
    sleep 0.3
    shot settled
    [ "$(differing settling settled)" -lt 100 ] && return 0
    mv "$work/settled.png" "$work/settling.png"
  done
}
