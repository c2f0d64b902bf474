#!/usr/bin/env bash
# The window program end to end on a private Xvfb display with the simulated mouse: clicks at
# design coordinates open a group and switch the profile slot; the picture changes where the
# group opens, the trace shows the reports of the new profile and of the mouse's own DPI button,
# and a polite stop leaves the chosen profile on disk. Exit 77 when a display tool is missing.
set -u
pelorin=$1
pelorinctl=$2
out=$3

for tool in Xvfb xdotool import convert compare iconv; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

rm -rf "$out" && mkdir -p "$out"
data=$out/data
trace=$out/trace.log
export DBUS_SESSION_BUS_ADDRESS=disabled: NO_AT_BRIDGE=1 GDK_GL=disable GDK_BACKEND=x11

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT
read -r -t 10 display <&3 || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$display

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

"$pelorin" --simulate --trace --data-dir "$data" --sim-events "dpi@1500" >"$trace" \
  2>"$out/stderr.log" &
pid=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Pelorin$' | head -n 1)
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

kill -TERM "$pid"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "pelorin ended with $status"
iconv -f UTF-16 -t UTF-8 "$data/PelorinData20231030A/config/config.ini" 2>/dev/null |
  grep -q '^CurrentProfile=1' || iconv -f UTF-16 -t UTF-8 "$data/config/config.ini" |
  grep -q '^CurrentProfile=1' || fail "the chosen profile is not in the saved configuration"
echo "pass"
