#!/usr/bin/env bash
# The learner's turn heard, on the sample content: repeat count 2, a pause of
# 5 seconds, "record my turn" and "end when I stop" on. The learner's voice is
# espeak-ng saying a verse, played into a null sink whose monitor is the
# default source. Checked on the program's own null sink: the turn ends within
# 2 s of the speech's end (the next play's sound, less its load time); after
# the reading, "let me hear" sounds the take, as long as the speech within
# 0.2 s, then the verse; "keep" writes the take as a file. A second reading
# with nothing said runs its whole turn and says "I did not hear you". Run inside scripts/headless. Arguments:
# the program, the content generator; with ARTIFACTS set to a folder, a
# screenshot of the window after "let me hear" is kept there.
set -euo pipefail
program=$1
make_content=$2

# shellcheck source=program.sh
source "$(dirname "$0")/program.sh"
fail() {
  echo "turn_heard: $*" >&2
  cat "$work/program.log" >&2
  exit 1
}
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }

# The learner's microphone: what is played into "learner" is heard on its monitor.
pactl load-module module-null-sink sink_name=learner >/dev/null
pactl set-default-source learner.monitor
# A microphone hears the room all the time: a quiet hiss, -60 dBFS, fills the
# monitor between the words (a null sink's monitor gives nothing while
# nothing plays).
sox -n -r 16000 -c 1 -b 16 -e signed -t raw - synth 120 whitenoise vol 0.001 |
  pacat --device=learner --format=s16le --rate=16000 --channels=1 &
pids+=($!)
espeak-ng -v ar -w "$work/speech.wav" "بسم الله الرحمن الرحيم"
# The voice's own length: the recording without its quiet ends.
sox "$work/speech.wav" "$work/voice.wav" silence 1 0.02 1% reverse silence 1 0.02 1% reverse
spoken=$(soxi -D "$work/voice.wav")


mkdir "$work/app"
cp "$program" "$work/app/"
"$make_content" "$work/app" >/dev/null
"$work/app/$(basename "$program")" 2>"$work/program.log" &
pids+=($!)
within 300 find_window || fail "the window did not appear"
sleep 6 # the menus load

# shellcheck source=turn_tools.sh
source "$(dirname "$0")/turn_tools.sh"
readonly turn_options="3195 6345"  # TurnOptions

click 513 456 2.5 # the first group
click 508 376 3   # its first chapter
click_control 0 0 6255 8520 840 360 1                # Image19: the options panel
click_control $options_panel 1395 420 480 270 0.5    # Label9: 2 plays
click_control $options_panel 1380 1635 300 300 0.5   # Image5(4): a pause of 5 seconds
click_control $turn_options 90 570 2070 420 0.5      # record my turn
click_control $turn_options 90 1050 2070 420 0.5     # end when I stop
if [ -n "${ARTIFACTS:-}" ]; then
  mkdir -p "$ARTIFACTS"
  import -window "$window" "$ARTIFACTS/options.png"
fi
click_control $options_panel 630 3450 915 360 1      # Image18: close the panel

# What the microphone hears is recorded too, to tell when the voice ended.
record learner.monitor "$work/mic.raw"
mic_recording=$recorded
record hifz_null.monitor "$work/heard.raw"
recording=$recorded
sleep 0.3

# The countdown shows when its ring covers much of the reciting indicator's place.
turn_shows() {
  import -window "$window" -crop "68x65+$((10200 / 15))+$((5760 / 15))" +repage "$work/ring.png"
  [ "$(ring_pixels "$work/ring.png")" -ge 600 ]
}

clicked=$(since "$recording")
click 516 186 0 # verse 1
within 100 turn_shows || fail "the turn did not begin"
sleep 0.5
paplay --device=learner "$work/speech.wav"

sleep 6 # the second play, and the reading ends
click_control 0 0 9780 8610 1020 360 0 # ListenBack: let me hear
sleep 1
if [ -n "${ARTIFACTS:-}" ]; then import -window "$window" "$ARTIFACTS/listening.png"; fi
sleep 6
click_control 0 0 10890 8610 1020 360 1 # KeepTake: keep
kill "${pids[2]}" "${pids[3]}"
wait "${pids[2]}" "${pids[3]}" 2>/dev/null || true

# The recording in 10 ms blocks: "V" the verse's 525 Hz tone, "S" any other
# loud sound (the take, the beep), "-" quiet.
sox -t raw -r $rate -e signed -b 16 -c 1 "$work/heard.raw" -t dat - |
  awk -v block=$((rate / 100)) '
    /^;/ { next }
    {
      v = $2; sum += v * v
      if (n > 0 && (v < 0) != (last < 0)) cross++
      last = v; n++
    }
    n == block {
      rms = sqrt(sum / n) * 32768; pitch = cross / 2 * 100
      kind = rms < 100 ? "-" : (pitch > 495 && pitch < 555 ? "V" : "S")
      printf "%.2f %s\n", t, kind
      t += 0.01; n = 0; sum = 0; cross = 0
    }' >"$work/blocks"
# Runs of each kind, joined over gaps of up to 0.4 s, longer than 0.3 s.
for kind in V S; do
  awk -v kind=$kind '
    $2 != kind { next }
    { if (start != "" && $1 - end <= 0.4) { end = $1 + 0.01; next }
      if (start != "") print kind, start, end
      start = $1; end = $1 + 0.01 }
    END { if (start != "") print kind, start, end }' "$work/blocks"
done | awk '$3 - $2 > 0.3' | sort -k2 -n >"$work/runs"
# The voice's end as the microphone heard it: its last 10 ms block well above
# the hiss, on the program's recording's clock.
speech_end=$(sox -t raw -r $rate -e signed -b 16 -c 1 "$work/mic.raw" -t dat - |
  awk -v block=$((rate / 100)) -v offset="$(awk -v m="$mic_recording" -v r="$recording" 'BEGIN { print r - m }')" '
    /^;/ { next }
    { sum += $2 * $2; n++ }
    n == block { if (sqrt(sum / n) * 32768 > 300) last = t + 0.01; t += 0.01; n = 0; sum = 0 }
    END { printf "%.2f", last - offset }')
echo "spoken: ${spoken} s of voice, ending at ${speech_end} s; verse clicked at ${clicked} s"
echo "heard (kind, start, end in seconds from the recording's start):"
sed 's/^/  /' "$work/runs"

verses=$(awk '$1 == "V"' "$work/runs")
[ "$(echo "$verses" | wc -l)" -ge 3 ] || fail "the verse was not heard twice and then after the take"
load=$(echo "$verses" | awk -v c="$clicked" 'NR == 1 { printf "%.3f", $2 - c }')
second=$(echo "$verses" | awk 'NR == 2 { print $2 }')
# The next play's sound follows the turn's end by its load, which for the
# verse just heard is a few hundredths of a second: counted in the turn.
ended=$(awk -v s="$second" -v e="$speech_end" 'BEGIN { printf "%.2f", s - e }')
echo "the next play sounded ${ended} s after the voice ended (the first play loaded in ${load} s)"
awk -v x="$ended" 'BEGIN { exit !(x <= 2.0) }' || fail "the turn did not end within 2 s of the speech"

# "Let me hear": the take's sound, the loud blocks from a second after the
# reading to the verse heard once more, then that verse.
second_end=$(echo "$verses" | awk 'NR == 2 { print $3 }')
# The verse is the last sound heard (parts of the voice have the tone's pitch).
again=$(echo "$verses" | awk -v e="$second_end" '$2 > e + 2 && $3 - $2 > 1 { last = $0 } END { print last }')
[ -n "$again" ] || fail "the verse was not heard after the take"
again_start=$(echo "$again" | awk '{ print $2 }')
take_span=$(awk -v from="$second_end" -v to="$again_start" '
  $2 != "-" && $1 > from + 1 && $1 < to { if (first == "") first = $1; last = $1 + 0.01 }
  END { if (first != "") printf "%.2f %.2f", first, last }' "$work/blocks")
[ -n "$take_span" ] || fail "the take was not heard"
read -r take_start take_end <<<"$take_span"
heard_take=$(awk -v a="$take_start" -v b="$take_end" 'BEGIN { printf "%.2f", b - a }')
echo "the take sounded for ${heard_take} s from ${take_start} s; the verse followed at ${again_start} s"
awk -v e="$take_end" -v v="$again_start" 'BEGIN { exit !(v >= e - 0.2 && v < e + 1.5) }' ||
  fail "the verse did not follow the take"
kept=$(find "$XDG_DATA_HOME/hifz/takes" -name '114-001-*.flac' 2>/dev/null | head -n1)
[ -n "$kept" ] || fail "the take was not kept as a file"
sox "$kept" "$work/kept_voice.wav" silence 1 0.02 1% reverse silence 1 0.02 1% reverse
take_length=$(soxi -D "$work/kept_voice.wav")
echo "kept: $(basename "$kept"), $(soxi -D "$kept") s; its voice ${take_length} s against ${spoken} s spoken"
awk -v t="$take_length" -v s="$spoken" 'BEGIN { d = t - s; if (d < 0) d = -d; exit !(d <= 0.2) }' ||
  fail "the take's voice is not as long as the speech"
awk -v h="$heard_take" -v t="$take_length" 'BEGIN { d = h - t; if (d < 0) d = -d; exit !(d <= 0.3) }' ||
  fail "the take heard is not the take kept"

# Again, with nothing said: the turn runs its whole time, and "I did not hear
# you" shows under the countdown as the next play begins.
note_pixels() {
  import -window "$window" -crop "140x28+$((9780 / 15))+$((6780 / 15))" +repage "$work/note.png"
  convert "$work/note.png" ppm:- | tail -c $((140 * 28 * 3)) | od -An -v -tu1 -w3 |
    awk '($1 - 246) ^ 2 + ($2 - 231) ^ 2 + ($3 - 176) ^ 2 < 1600 { n++ } END { print n + 0 }'
}
click 516 186 0 # verse 1
silent_start=$(now)
within 100 turn_shows || fail "the second reading's turn did not begin"
before=$(note_pixels)
note_seen=
while awk -v s="$(since "$silent_start")" 'BEGIN { exit !(s < 14) }'; do
  if [ "$(note_pixels)" -ge 40 ]; then
    note_seen=$(since "$silent_start")
    break
  fi
  sleep 0.1
done
[ -n "$note_seen" ] || fail "\"I did not hear you\" did not show after a silent turn"
echo "after a silent turn, \"I did not hear you\" showed ${note_seen} s after the click" \
  "(${before} of its pixels during the turn)"
[ "$before" -lt 40 ] || fail "the word showed during the turn"
awk -v t="$note_seen" 'BEGIN { exit !(t > 7.5) }' || fail "the word showed before the turn's time was up"
echo "turn_heard: the turn ended when the learner stopped; the take and then the verse were heard;" \
  "a silent turn ran its time and said so"
