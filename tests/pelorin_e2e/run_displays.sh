#!/usr/bin/env bash
# The window program's own displays on a private Xvfb display with the simulated mouse: the
# battery indicator follows the mouse's status through discharging, charging and full; a press of
# the mouse's DPI button shows the on-screen display in the bottom-right corner, opaque without a
# compositor, and it closes by itself; the reset button asks first and Enter sends the factory
# reset. Screenshots of each state land in the output folder. Exit 77 when a tool is missing.
set -u
pelorin=$1
out=$2

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool import convert compare xwininfo

rm -rf "$out" && mkdir -p "$out"
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
await_count() { # file, pattern, count
  for _ in $(seq 1 100); do
    [ "$(grep -cE "$2" "$1")" -ge "$3" ] && return 0
    sleep 0.1
  done
  return 1
}
# The visible windows of the program with the given width, one id a line.
windows_of_width() {
  for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
    [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" = "$1" ] && echo "$w"
  done
}

# The status is read again at each status@ step; the battery shows it at the next poll tick.
events="battery=40@300,status@400,charge=1@4000,status@4100,charge=2@11000,status@11100,dpi@13000"
launched=$(date +%s%N)
"$pelorin" --simulate --trace --data-dir "$out/data" --sim-events "$events" >"$trace" \
  2>"$out/stderr.log" &
pid=$!
pids+=($pid)
# Sleeps until the given time (ms) after the launch.
at() {
  local left=$(( $1 - ($(date +%s%N) - launched) / 1000000 ))
  [ "$left" -gt 0 ] && sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
  return 0
}
wid=""
for _ in $(seq 1 100); do
  wid=$(windows_of_width 1127 | head -n 1)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove 5 5

battery() { # the indicator, its percentage and the legend
  import -window root -crop "240x70+$((X + 80))+$((Y + 432))" +repage "$out/battery_$1.png"
}
differs() { # two pictures differ in more than a few pixels
  local n
  n=$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)
  [ "${n%.*}" -gt 20 ]
}
at 2500 && battery discharging
at 7500 && battery charging_a
at 8500 && battery charging_b
at 12500 && battery full
differs "$out/battery_discharging.png" "$out/battery_charging_a.png" ||
  fail "charging looks like discharging"
differs "$out/battery_charging_a.png" "$out/battery_charging_b.png" ||
  fail "the charging fill does not climb"
differs "$out/battery_charging_b.png" "$out/battery_full.png" || fail "full looks like charging"

# The mouse's DPI button: the display stands in the corner, 180 x 140, and goes by itself.
osd=""
for _ in $(seq 1 60); do
  osd=$(windows_of_width 180 | head -n 1)
  [ -n "$osd" ] && break
  sleep 0.1
done
[ -n "$osd" ] || fail "the DPI press showed no display"
grep -q '^! ' "$trace" || fail "the DPI press is not in the trace"
eval "$(xdotool getwindowgeometry --shell "$osd" | sed 's/^/OSD_/')"
[ "$OSD_X,$OSD_Y,$OSD_HEIGHT" = "1740,940,140" ] || fail "display at $OSD_X,$OSD_Y"
sleep 0.3
import -window root -crop "180x140+1740+940" +repage "$out/osd.png"
colour=$(convert "$out/osd.png" -format '%[hex:p{2,2}]' info:)
[ "${colour:0:6}" = "A449A4" ] || fail "the display's corner is $colour"
gone=""
for _ in $(seq 1 40); do
  xwininfo -id "$osd" 2>/dev/null | grep -q IsViewable || { gone=1; break; }
  sleep 0.1
done
[ -n "$gone" ] || fail "the display did not close by itself"

# The reset button asks first; Enter confirms and the factory reset reaches the mouse.
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 1045)) $((Y + 705)) && sleep 0.2 && xdotool click 1
question=""
for _ in $(seq 1 50); do
  question=$(windows_of_width 429 | head -n 1)
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "the reset button asked nothing"
sleep 0.3
import -window root "$out/reset_question.png"
grep -q '^> [a-z]* 0C 01 0F' "$trace" && fail "the reset went out before the answer"
xdotool key Return
await_count "$trace" '^> [a-z]* 0C 01 0F 00 .. 01 01 FF' 1 || fail "no factory reset was sent"
kill -TERM "$pid"
wait "$pid" || fail "pelorin ended with $?"
echo "pass"
