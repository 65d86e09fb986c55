#!/usr/bin/env bash
# The program as an installation lays it out: installed into a temporary
# prefix, its desktop entry and metainfo validated, then started twice, as a
# user would from the menu. First with no content of the user's own: its window
# shows the installed sample content. Then with a data folder of the user's
# own in $XDG_DATA_HOME/hifz: the program reads that one. Run inside
# scripts/headless. Arguments: the build folder, the application id.
set -euo pipefail
build=$1
app_id=$2

# shellcheck source=program.sh
source "$(dirname "$0")/program.sh"
fail() {
  echo "installed_program: $*" >&2
  exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null
for file in bin/hifz lib/hifz/ruffle/ruffle.js "share/hifz/2 blank.gif" share/hifz/data/topmenu.gif \
  "share/hifz/data/1-1/An Nas/menu.gif" share/icons/hicolor/scalable/apps/"$app_id".svg \
  share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/"$app_id".png \
  share/doc/hifz/copyright share/doc/hifz/ruffle/LICENSE_MIT share/doc/hifz/quran-json/LICENSE.txt \
  share/doc/hifz/quran-meta/LICENSE; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done

# Starts the installed program with $1 as XDG_DATA_HOME and a home of its own,
# noting in $opened every file it opens under the installed content and the
# user's folder; sets $window once the window is there.
opened=$work/opened.log
start_program() {
  local user=$1
  mkdir -p "$work/home" "$user"
  : >"$work/watch.log"
  inotifywait -m -r -e open --format '%w%f' "$prefix/share/hifz" "$user" >"$opened" 2>"$work/watch.log" &
  pids=($!)
  for _ in $(seq 100); do grep -q 'Watches established' "$work/watch.log" && break; sleep 0.05; done
  HOME=$work/home XDG_DATA_HOME=$user "$prefix/bin/hifz" 2>"$work/program.log" &
  pids+=($!)
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { cat "$work/program.log" >&2; fail "the window did not appear"; }
}
stop_program() {
  kill "${pids[@]}"
  wait "${pids[@]}" 2>/dev/null || true
  pids=()
}
# How bright the window is, 0 to 1, where the top menu shows its four group
# cards, and on the side panel beside it.
brightness() {
  import -window "$window" "$work/window.png"
  for area in 500x140+60+385 110x100+665+290; do
    convert "$work/window.png" -crop "$area" -colorspace Gray -format '%[fx:mean] ' info:
  done
  echo
}
menu_shown() { awk -v cards="$1" -v panel="$2" 'BEGIN { exit !(cards > 0.5 && panel < 0.3) }'; }

start_program "$work/xdg-empty"
# Without content the cards' place is dark green (about 0.14); the sample top
# menu's cards are light (about 0.83). The side panel is dark green (about
# 0.18) once the page is drawn; before, the whole window is white.
for _ in $(seq 40); do
  read -r cards panel < <(brightness)
  menu_shown "$cards" "$panel" && break
  sleep 0.5
done
stop_program
menu_shown "$cards" "$panel" || fail "the window shows no top menu (cards $cards, panel $panel)"
grep -qx "$prefix/share/hifz/data/topmenu.gif" "$opened" ||
  fail "the top menu was not read from the installed sample content"
echo "installed sample content on show: group cards at brightness $cards, side panel $panel"

# The user's own folder: the installed content linked there is enough to tell
# which of the two the program reads.
mkdir -p "$work/xdg/hifz"
cp -al "$prefix/share/hifz/." "$work/xdg/hifz/"
start_program "$work/xdg"
for _ in $(seq 40); do grep -q '/topmenu.gif$' "$opened" && break; sleep 0.25; done
stop_program
grep -qx "$work/xdg/hifz/data/topmenu.gif" "$opened" ||
  fail "the top menu was not read from \$XDG_DATA_HOME/hifz"
! grep -q "^$prefix/share/hifz/" "$opened" || fail "the installed content was read as well"
echo "user's own content read from \$XDG_DATA_HOME/hifz"
