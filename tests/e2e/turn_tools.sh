# Shared by the journeys of the learner's turn: clicks on the window's
# controls, recordings of a sound device, and the countdown's ring in a
# picture. Source it after program.sh, once $window is known.

readonly rate=22050 # of the recordings
now() { date +%s.%N; }

click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep "$3"
}
# The middle of a control, in pixels of the window, from its place in twips
# inside its container at (left, top) twips; 15 twips a pixel.
click_control() { # container-left container-top left top width height wait
  click $((($1 + $3 + $5 / 2) / 15)) $((($2 + $4 + $6 / 2) / 15)) "$7"
}
readonly options_panel="5475 4455" # Picture9 in the window

# Records a device (a sink's monitor, a source) into a raw file; $recorded is
# the recording's first moment, as near as its first bytes tell.
record() { # device file
  parec --device="$1" --raw --format=s16le --rate=$rate --channels=1 --latency-msec=20 >"$2" &
  pids+=($!)
  for _ in $(seq 200); do [ -s "$2" ] && break; sleep 0.01; done
  recorded=$(now)
}

# How many pixels of a picture of the reciting indicator's place (68 x 65)
# have the countdown ring's colours (gold, and the dim track); the reciting
# indicator has only a thin gold ring.
ring_pixels() { # picture
  convert "$1" ppm:- | tail -c $((68 * 65 * 3)) | od -An -v -tu1 -w3 | awk '
    {
      gold = ($1 - 201) ^ 2 + ($2 - 166) ^ 2 + ($3 - 70) ^ 2 < 900
      track = ($1 - 59) ^ 2 + ($2 - 106) ^ 2 + ($3 - 95) ^ 2 < 900
      if (gold || track) n++
    }
    END { print n + 0 }'
}
