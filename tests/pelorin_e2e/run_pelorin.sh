#!/usr/bin/env bash
# The window program end to end on a private Xvfb display with the simulated mouse: clicks at
# design coordinates open a group, switch the profile slot and add a named profile; the picture
# changes where the group opens, the trace shows the reports of the new profile and of the
# mouse's own DPI button; closing hides the window, a second start shows it again, and the notification icon's exit ends
# the program with the chosen profile on disk. Exit 77 when a display tool is missing.
set -u
pelorin=$1
pelorinctl=$2
out=$3

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool import convert compare iconv trayer xwininfo

rm -rf "$out" && mkdir -p "$out"
data=$out/data
trace=$out/trace.log
# The single-instance lock and socket of this run only.
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

start_display 1920x1080

fail() {
  echo "FAIL: $*"
  echo "--- trace"; tail -n 20 "$trace"
  echo "--- stderr"; cat "$out/stderr.log"
  exit 1
}
# Waits until the file holds at least n lines matching the pattern.
await_count() {
  for _ in $(seq 1 100); do
    [ "$(grep -cE "$2" "$1")" -ge "$3" ] && return 0
    sleep 0.1
  done
  return 1
}

# Profile 2 polls at 250 Hz, so choosing its slot has something to send.
"$pelorinctl" --data-dir "$data" profile export 2 "$out/p2.psf" >/dev/null || fail "export"
iconv -f UTF-16 -t UTF-8 "$out/p2.psf" | sed 's/PollingRateValue=03/PollingRateValue=01/' |
  iconv -f UTF-8 -t UTF-16 >"$out/p2_250.psf"
"$pelorinctl" --data-dir "$data" profile import 2 "$out/p2_250.psf" >/dev/null || fail "import"

# A tray for the notification icon (XEmbed, as there is no session bus).
trayer --edge top --align left --widthtype pixel --width 120 --heighttype pixel --height 32 \
  --SetDockType false --SetPartialStrut false >"$out/trayer.log" 2>&1 &
pids+=($!)
panel=$(timeout 10 xdotool search --sync --limit 1 --name '^panel$') || fail "no trayer panel"

"$pelorin" --simulate --trace --data-dir "$data" --sim-events "dpi@1500" >"$trace" \
  2>"$out/stderr.log" &
pid=$!
pids+=($pid)
# The main window: the tray's icon window bears the program's name too, but is small.
wid=""
for _ in $(seq 1 100); do
  for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
    [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" -gt 500 ] && wid=$w
  done
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$wid")"
echo "window at $X,$Y"
await_count "$trace" '^< ' 1 || fail "no status answer at start"
sleep 0.5

# Design point (x, y) of the window on the screen, at scale 1 on this 1920 x 1080 screen.
click() {
  xdotool mousemove $((X + $1)) $((Y + $2)) && sleep 0.2 && xdotool click 1 && sleep 0.4
}
lighting_area() { # the lighting group's content area once it opens below the DPI group
  import -window root -crop "262x180+$((X + 846))+$((Y + 288))" +repage "$1"
}

lighting_area "$out/before.png"
click 850 265
lighting_area "$out/after.png"
changed=$(compare -metric AE "$out/before.png" "$out/after.png" null: 2>&1 | cut -d' ' -f1)
[ "${changed%.*}" -gt 2000 ] || fail "opening the lighting group changed only $changed pixels"
import -window root "$out/lighting_open.png"

sent=$(grep -c '^> ' "$trace")
click 310 507
await_count "$trace" '^> ' $((sent + 1)) || fail "choosing profile 2 sent nothing"
await_count "$trace" '^! ' 1 || fail "the simulated DPI press did not reach the trace"
await_progress || fail "the progress animation did not close by itself"

# Add a profile: the name dialog takes typed text and Enter confirms; the configuration is saved.
config=$data/config/config.ini
# Waits until the UTF-16 file holds a line matching the pattern.
await_in() {
  for _ in $(seq 1 100); do
    iconv -f UTF-16 -t UTF-8 "$1" 2>/dev/null | grep -q "$2" && return 0
    sleep 0.1
  done
  return 1
}
click 305 562
dialog=""
for _ in $(seq 1 100); do
  for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
    [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" -eq 429 ] && dialog=$w
  done
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "the add button did not open the name dialog"
sleep 0.3
xdotool type --delay 40 "Aim 2" && xdotool key Return
await_in "$config" '^ProfileShowCount=4' || fail "adding a profile did not show a fourth one"
await_in "$data/config/default3.psf" '^ProfileName=Aim 2' ||
  fail "the added profile does not carry its typed name"

# Closing only hides; a second start shows the first and ends at once.
viewable() { xwininfo -id "$wid" | grep -q 'IsViewable'; }
await_view() { # 1: shown, 0: hidden
  for _ in $(seq 1 50); do
    if viewable; then [ "$1" = 1 ] && return 0; else [ "$1" = 0 ] && return 0; fi
    sleep 0.1
  done
  return 1
}
click 1094 14
await_view 0 || fail "closing did not hide the window"
timeout 10 "$pelorin" --simulate --data-dir "$data" >"$out/second.log" 2>&1 ||
  fail "the second start did not end by itself"
await_view 1 || fail "the second start did not show the first one's window"

# The icon's own window is a child of trayer's panel; its menu's last item ends the program.
xwininfo -tree -id "$panel" >"$out/tree.log"
read -r iw ih ix iy < <(grep '("pelorin"' "$out/tree.log" |
  sed -n 's/.* \([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]* *+\([-0-9]*\)+\([-0-9]*\)$/\1 \2 \3 \4/p' | head -n 1)
[ -n "${ix:-}" ] || fail "no notification icon under the tray"
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) && sleep 0.2
xdotool click 3 && sleep 0.5
xdotool key Up Return
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the icon's exit did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "pelorin ended with $status"
iconv -f UTF-16 -t UTF-8 "$config" | grep -q '^CurrentProfile=1' ||
  fail "the chosen profile is not in the saved configuration"
echo "pass"
