#!/usr/bin/env bash
# pelorin.exe under Wine with the simulated mouse, in the prefix's virtual desktop on a private
# Xvfb display, with the data folder of the prefix's user (whose name no ANSI code page holds):
# the main window shows with its texts and its files in that folder, and choosing profile 2
# (made to poll at 250 Hz) sends its polling rate, as the trace shows; a second start ends at
# once and leaves the first running. The window's picture is compared loosely with the Linux
# host's render of the same window, which must be given (the fonts and their smoothing differ,
# the layout and the pictures may not).
# Exit 77 when a display tool is missing.
set -u
pelorin=$1
pelorinctl=$2
prefix_file=$3
out=$4
reference=${5:-}
wine_run=$(dirname "$0")/wine_run.sh

source "$(dirname "$0")/../support/display_session.sh"
source "$(dirname "$0")/wine_display.sh"
need Xvfb xdotool import convert compare iconv

rm -rf "$out" && mkdir -p "$out"
trace=$out/trace.log
start_display 1280x1024
wine_display "$prefix_file"

fail() {
  echo "FAIL: $*"
  echo "--- trace"; tail -n 20 "$trace"
  echo "--- stderr"; tail -n 20 "$out/stderr.log"
  exit 1
}
await_count() { # file pattern count
  for _ in $(seq 1 300); do
    [ "$(grep -cE "$2" "$1")" -ge "$3" ] && return 0
    sleep 0.1
  done
  return 1
}

[ -f "$reference" ] || fail "no Linux render to compare with: '$reference' (scripts/build-windows.sh makes it)"
source "$(dirname "$0")/wine_user.sh"
data="$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/PelorinData20231030A"
rm -rf "$data"

# Profile 2 polls at 250 Hz, so choosing its slot has something to send.
"$wine_run" "$prefix_file" "$pelorinctl" profile export 2 "$out/p2.psf" \
  >/dev/null 2>&1 || fail "export"
iconv -f UTF-16 -t UTF-8 "$out/p2.psf" | sed 's/PollingRateValue=03/PollingRateValue=01/' |
  iconv -f UTF-8 -t UTF-16 >"$out/p2_250.psf"
"$wine_run" "$prefix_file" "$pelorinctl" profile import 2 "$out/p2_250.psf" \
  >/dev/null 2>&1 || fail "import"
rm "$data/config/Lan_EN.txt"

"$wine_run" "$prefix_file" "$pelorin" --simulate --trace >"$trace" \
  2>"$out/stderr.log" &
pids+=($!)
desktop=$(timeout 60 xdotool search --sync --limit 1 --name 'Wine desktop') ||
  fail "the virtual desktop never showed"
await_count "$trace" '^< cable ' 1 || fail "no status answer at start"
[ -f "$data/config/Lan_EN.txt" ] || fail "the language file was not seeded into $data"

# The window is what is not the desktop's plain background: its box in the desktop, once the
# window has stopped moving into its place.
box=""
last=""
for _ in $(seq 1 100); do
  import -window "$desktop" "$out/desktop.png"
  # The desktop's task bar along the bottom is left out.
  box=$(convert "$out/desktop.png" -gravity South -chop 0x40 -format '%@' info:)
  [ "${box%%x*}" -ge 1000 ] 2>/dev/null && [ "$box" = "$last" ] && break
  last=$box
  sleep 0.3
done
[ "${box%%x*}" -ge 1000 ] 2>/dev/null || fail "the main window never showed (box $box)"
x=$(echo "$box" | sed 's/.*+\([0-9]*\)+[0-9]*$/\1/')
y=$(echo "$box" | sed 's/.*+\([0-9]*\)$/\1/')
echo "window box $box"
convert "$out/desktop.png" -crop "$box" +repage "$out/main_window.png"
# Normalised root-mean-square difference; the two hosts' renders differ by about 0.06.
difference=$(compare -metric RMSE "$reference" "$out/main_window.png" null: 2>&1 |
  sed 's/.*(\(.*\))/\1/')
echo "difference from the Linux render: $difference"
awk -v d="$difference" 'BEGIN { exit !(d < 0.1) }' ||
  fail "the window differs from the Linux render by $difference"

[ "$(grep -c '^> cable 0C 01 07 ' "$trace")" -eq 0 ] || fail "the polling rate was sent unasked"
# The profile 2 row of the slot bar, at scale 1.
xdotool mousemove --window "$desktop" $((x + 381)) $((y + 514)) && sleep 0.3 && xdotool click 1
await_count "$trace" '^> cable 0C 01 07 ' 1 || fail "choosing profile 2 sent no polling rate"

timeout 30 "$wine_run" "$prefix_file" "$pelorin" --simulate >"$out/second.log" 2>&1 || fail "a second start did not end by itself with success"
sleep 1
import -window "$desktop" "$out/after_second.png"
[ "$(convert "$out/after_second.png" -trim -format '%w' info:)" -ge 1000 ] ||
  fail "the first instance's window went away"
echo "pelorin.exe under Wine: window shown, click sent, second start refused"
