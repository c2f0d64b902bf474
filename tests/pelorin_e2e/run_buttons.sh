#!/usr/bin/env bash
# The button page of the window program under Xvfb with the simulated mouse: a combo's menu, a
# walk into its multimedia submenu and a choice there; then the shortcut dialog, given Ctrl and
# the key A with xdotool. The trace must show each button report as the mouse receives it.
# Exit 77 when a display tool is missing.
set -u
pelorin=$1
out=$2

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool xwininfo import

rm -rf "$out" && mkdir -p "$out"
data=$out/data
trace=$out/trace.log
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

start_display 1920x1080

fail() {
  echo "FAIL: $*"
  echo "--- trace"; grep '^> ' "$trace" | tail -n 12
  echo "--- stderr"; cat "$out/stderr.log"
  exit 1
}
# Waits until the trace holds a sent report matching the pattern.
await_sent() {
  for _ in $(seq 1 100); do
    grep -qE "^> .*$1" "$trace" && return 0
    sleep 0.1
  done
  return 1
}
# The visible window named Pelorin of this width.
window_of_width() {
  for _ in $(seq 1 100); do
    for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
      [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" -eq "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

"$pelorin" --simulate --trace --data-dir "$data" >"$trace" 2>"$out/stderr.log" &
pids+=($!)
wid=$(window_of_width 1127) || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$wid")"
for _ in $(seq 1 100); do grep -q '^< ' "$trace" && break; sleep 0.1; done
sleep 0.5

# Screen point of a design point of the window (scale 1 on this screen).
at() { xdotool mousemove $((X + $1)) $((Y + $2)) && sleep 0.3; }
click() { at "$1" "$2" && xdotool click 1 && sleep 0.4; }

# Combo of button 2; its menu opens 161 right of the combo, 20 above its bottom (132 - 20); the
# rows are 18 high: row 11 (multimedia) opens its submenu beside the 300-wide menu, row 5 of
# which is play/pause.
click 150 121
at 300 $((112 + 10 * 18 + 9))
at 460 $((112 + 10 * 18 + 9))
at 560 $((112 + 14 * 18 + 9))
import -window root "$out/submenu.png"
xdotool click 1
await_sent ' 04 01 80 CD 00' || fail "play/pause on button 2 did not reach the mouse"
await_progress || fail "the progress animation did not close by itself"

# Combo of button 3, row 10: the shortcut dialog; Ctrl, then the key A.
click 150 150
click 300 $((141 + 9 * 18 + 9))
dialog=$(window_of_width 429) || fail "the shortcut row did not open its dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog" | sed 's/^/D/')"
xdotool mousemove $((DX + 87)) $((DY + 77)) click 1 && sleep 0.3
xdotool key a && sleep 0.3
import -window root "$out/shortcut.png"
xdotool mousemove $((DX + 290)) $((DY + 120)) click 1
await_sent ' 04 02 70 01 04' || fail "Ctrl+A on button 3 did not reach the mouse"
echo "pass"
