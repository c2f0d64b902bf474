#!/usr/bin/env bash
# Runs the smoke dialog on a private Xvfb display: drags it by its background, opens and closes
# a popup, then compares a screenshot of the window with the dialog's own offscreen render.
# Exit 77 (skipped) when the display tools are missing.
set -u
program=$1
out=$2

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool import convert compare

rm -rf "$out" && mkdir -p "$out"
log=$out/events.log
start_display 1280x800

fail() {
  echo "FAIL: $*"
  echo "--- events"; cat "$log"
  exit 1
}
# Waits until a line matching the pattern is in the log and prints the last such line.
await() {
  for _ in $(seq 1 100); do
    line=$(grep -E "$1" "$log" | tail -n 1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

"$program" "$out" >"$log" 2>"$out/stderr.log" &
program_pid=$!
pids+=($program_pid)

read -r _ x y w h < <(await '^frame ') || fail "the dialog never showed"
echo "dialog at $x,$y size ${w}x$h"

# Drag by the background: a point on no control.
xdotool mousemove $((x + 400)) $((y + 300)) && sleep 0.2
xdotool mousedown 1 && sleep 0.2
for step in 1 2 3 4 5; do
  xdotool mousemove $((x + 400 + 20 * step)) $((y + 300 + 12 * step)) && sleep 0.05
done
want_x=$((x + 100)) want_y=$((y + 60))
# A slow program (a sanitizer build on a busy machine) may take the press after the moves; the
# drag then follows only later motion, so nudge the pointer at the end point until it arrives.
for _ in $(seq 1 30); do
  grep -qE "^frame $want_x $want_y " "$log" && break
  xdotool mousemove $((x + 501)) $((y + 360)) && sleep 0.05
  xdotool mousemove $((x + 500)) $((y + 360)) && sleep 0.25
done
xdotool mouseup 1
await "^frame $want_x $want_y " >/dev/null || fail "dragging the background did not move the window to $want_x,$want_y"
x=$want_x y=$want_y
echo "dragged to $x,$y"

# Open the popup with the menu button, then click on the desktop to close it.
xdotool mousemove $((x + 150)) $((y + 92)) && sleep 0.2
xdotool click 1
await '^popup-open' >/dev/null || fail "the menu button did not open the popup"
sleep 0.3
import -window root "$out/with_popup.png"
xdotool mousemove 5 5 && sleep 0.2
xdotool click 1
await '^popup-closed 1029' >/dev/null || fail "clicking elsewhere did not report the closed popup"
await '^popup-gone' >/dev/null || fail "the popup window did not close"
await '^snapped' >/dev/null || fail "no offscreen render"
sleep 0.3

import -window root "$out/screen.png"
convert "$out/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -alpha off "$out/window.png"
convert "$out/offscreen.png" -alpha off "$out/offscreen_rgb.png"
diff=$(compare -metric AE "$out/window.png" "$out/offscreen_rgb.png" "$out/diff.png" 2>&1)
echo "pixels differing from the offscreen render: $diff"
[ "$diff" = "0" ] || fail "the window does not match its offscreen render"

# The close button ends the program.
xdotool mousemove $((x + 507)) $((y + 19)) && sleep 0.2
xdotool click 1
await '^closing' >/dev/null || fail "the close button did not close the dialog"
wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
echo "smoke test passed"
