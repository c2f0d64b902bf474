#!/usr/bin/env bash
# The settings groups of the window program on a private Xvfb display with the simulated mouse,
# driven at the controls' design points: dragging the first DPI bar, picking a palette colour for
# its level, choosing 500 Hz and switching the lighting effect each send their report, and the
# window shows the new values. Exit 77 when a display tool is missing.
set -u
pelorin=$1
pelorinctl=$2
out=$3

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool import compare iconv xwininfo

rm -rf "$out" && mkdir -p "$out"
data=$out/data
trace=$out/trace.log
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

start_display 1920x1080

fail() {
  echo "FAIL: $*"
  echo "--- trace"; tail -n 20 "$trace"
  echo "--- stderr"; cat "$out/stderr.log"
  exit 1
}
await() { # file, pattern
  for _ in $(seq 1 100); do
    grep -qE "$2" "$1" && return 0
    sleep 0.1
  done
  return 1
}
# The first level starts at its lowest step, so its thumb sits at the bottom of the bar.
"$pelorinctl" --data-dir "$data" profile export 1 "$out/p1.psf" >/dev/null || fail "export"
iconv -f UTF-16 -t UTF-8 "$out/p1.psf" | sed 's/XYSetting1Value=[0-9A-F]*/XYSetting1Value=0000/' |
  iconv -f UTF-8 -t UTF-16 >"$out/p1_low.psf"
"$pelorinctl" --data-dir "$data" profile import 1 "$out/p1_low.psf" >/dev/null || fail "import"

"$pelorin" --simulate --trace --data-dir "$data" >"$trace" 2>"$out/stderr.log" &
pids+=($!)
window_of_width() { # the visible Pelorin window at least this wide (exactly, with =)
  for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
    local width
    width=$(xwininfo -id "$w" | sed -n 's/ *Width: //p')
    if [ "$1" = "${1#=}" ]; then [ "$width" -gt "$1" ] && echo "$w"; else [ "$width" -eq "${1#=}" ] && echo "$w"; fi
  done
}
wid=""
for _ in $(seq 1 100); do
  wid=$(window_of_width 1000 | head -n 1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$wid")"
await "$trace" '^< ' || fail "no status answer at start"
sleep 0.5

at() { xdotool mousemove $((X + $1)) $((Y + $2)) && sleep 0.2; }
click() { at "$1" "$2" && xdotool click 1 && sleep 0.4; }
crop() { # name, design rectangle x y w h
  import -window root -crop "$4x$5+$((X + $2))+$((Y + $3))" +repage "$out/$1.png"
}
differs() { # two crops
  local n
  n=$(compare -metric AE "$out/$1.png" "$out/$2.png" null: 2>&1 | cut -d' ' -f1)
  [ "${n%.*}" -gt 0 ]
}

# Drag the first DPI bar from its lowest step to the top: the last step, 0x3A, goes out.
crop dpi_before 844 70 60 160
at 867 203
xdotool mousedown 1 && sleep 0.2
for y in 180 150 120 90 70; do at 867 $y; done
xdotool mouseup 1 && sleep 0.5
await "$trace" '^> [a-z]+ 0C 01 05 00 [0-9A-F]{2} 01 12 [0-9A-F]{2} [0-9A-F]{2} 3A 00' ||
  fail "dragging the DPI bar sent no new level"
await_progress || fail "the progress animation did not close by itself"
crop dpi_after 844 70 60 160
differs dpi_before dpi_after || fail "the DPI bar and its caption did not change"

# The first level's colour button opens the palette; a colour field and OK send the colours.
click 864 245
palette=""
for _ in $(seq 1 50); do
  palette=$(window_of_width =500 | head -n 1)
  [ -n "$palette" ] && break
  sleep 0.1
done
[ -n "$palette" ] || fail "the colour button did not open the palette"
sleep 0.3
eval "$(xdotool getwindowgeometry --shell --prefix P "$palette")"
import -window root "$out/palette.png"
xdotool mousemove $((PX + 120)) $((PY + 100)) && sleep 0.2 && xdotool click 1 && sleep 0.3
xdotool mousemove $((PX + 420)) $((PY + 244)) && sleep 0.2 && xdotool click 1 && sleep 0.5
await "$trace" '^> [a-z]+ 0C 01 06 00 [0-9A-F]{2} 01 18 ' || fail "the picked colour was not sent"
await_progress || fail "the progress animation did not close by itself"

# 500 Hz from the rate buttons of the open polling group.
crop rates_before 846 318 262 180
click 992 335
await "$trace" '^> [a-z]+ 0C 01 07 00 [0-9A-F]{2} 01 01 02' || fail "500 Hz was not sent"
await_progress || fail "the progress animation did not close by itself"
crop rates_after 846 318 262 180
differs rates_before rates_after || fail "the rate buttons did not change"

# The lighting group opens below the DPI group; its list's third effect is mode 3.
click 850 265
crop lighting_before 846 288 262 180
click 900 305
click 900 384
await "$trace" '^> [a-z]+ 0C 01 08 00 [0-9A-F]{2} 01 05 03 ' || fail "the new effect was not sent"
crop lighting_after 846 288 262 180
differs lighting_before lighting_after || fail "the lighting group did not change with its mode"
import -window root "$out/window.png"
echo "pass"
