#!/usr/bin/env bash
# Drives the input dialog on a private Xvfb display with xdotool: shortcut-style key-downs with
# their virtual keys, typing into an edit field, text composed through the input method (GTK's
# own Ctrl+Shift+U entry, as Xvfb runs no input-method server), Chinese typed as key symbols,
# copy and paste between two fields, and the order of a double click.
# Exit 77 (skipped) when the display tools are missing.
set -u
program=$1
out=$2

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool

rm -rf "$out" && mkdir -p "$out"
log=$out/events.log
export GTK_IM_MODULE=gtk-im-context-simple LANG=C.UTF-8 LC_ALL=C.UTF-8
start_display 1024x768

fail() {
  echo "FAIL: $*"
  echo "--- events"; cat "$log"
  exit 1
}
await() {
  for _ in $(seq 1 100); do
    line=$(grep -F -x -- "$1" "$log" | tail -n 1)
    [ -n "$line" ] && return 0
    sleep 0.1
  done
  return 1
}
# The line numbers of the exact lines given, in the order given; fails unless they ascend.
in_order() {
  local last=0 n
  for wanted in "$@"; do
    n=$(grep -n -F -x -- "$wanted" "$log" | awk -F: -v after="$last" '$1 > after {print $1; exit}')
    [ -n "$n" ] || return 1
    last=$n
  done
}

"$program" >"$log" 2>"$out/stderr.log" &
program_pid=$!
pids+=($program_pid)

for _ in $(seq 1 100); do
  frame=$(grep '^frame ' "$log" | tail -n 1)
  [ -n "$frame" ] && break
  sleep 0.1
done
[ -n "$frame" ] || fail "the dialog never showed"
read -r _ x y <<<"$frame"
window=$(xdotool search --name '^Pelorin$' | head -n 1)
[ -n "$window" ] || fail "no window named Pelorin"
xdotool mousemove $((x + 200)) $((y + 220)) windowfocus --sync "$window"
sleep 0.2

# Shortcut-style keys with no field focused: each key-down carries its virtual key and the
# modifiers held; a printable key gives no text anywhere.
xdotool key ctrl+shift+a F5 q
await "key up 81 0" || fail "the keys did not arrive"
in_order "key down 65 12" "key down 116 0" "key down 81 0" "key up 81 0" ||
  fail "shortcut key-downs missing or out of order"
grep -q '^text ' "$log" && fail "text reached a field that has no focus"

# Typing into the first field: key-down, then the text, then key-up, for every key.
xdotool mousemove $((x + 100)) $((y + 53)) click 1
sleep 0.2
xdotool type --delay 40 'hi 12'
await "text 2017 [hi 12]" || fail "typing did not reach the field"
in_order "key down 72 0" "text 2017 [h]" "key up 72 0" "key down 73 0" "text 2017 [hi]" ||
  fail "a typed key did not come as key-down, text, key-up"

# Composed through the input method: Ctrl+Shift+U, the code point, space. The hex digits belong
# to the composition and never reach the field.
xdotool key ctrl+shift+u && sleep 0.1
xdotool type --delay 40 '914d' && sleep 0.1
xdotool key space
await "text 2017 [hi 12配]" || fail "the composed character was not committed"
in_order "text 2017 [hi 12]" "text 2017 [hi 12配]" || fail "the composition leaked into the field"
in_order "text 2017 [hi 12]" "compose [u914d]" "compose []" "text 2017 [hi 12配]" ||
  fail "the word in progress was not shown while composing"
composed=$(sed -n '/^text 2017 \[hi 12\]$/,/^text 2017 \[hi 12配\]$/p' "$log")
grep -q -E '^key down (57|49|52|68) ' <<<"$composed" && fail "the composition's keys reached the client"

# Chinese typed as key symbols, as a layout would send them.
xdotool type --delay 60 '置文'
await "text 2017 [hi 12配置文]" || fail "Chinese key symbols did not arrive as text"

# Copy from the first field, paste into the second: the desktop clipboard in between.
xdotool key ctrl+a ctrl+c
xdotool mousemove $((x + 100)) $((y + 103)) click 1
sleep 0.2
xdotool key ctrl+v
await "text 2018 [hi 12配置文]" || fail "paste did not bring the copied text"

# A double click on the probe: press, release, double click in place of the second press,
# release; the same order the headless host delivers.
xdotool mousemove $((x + 200)) $((y + 175)) && sleep 0.3
xdotool click --repeat 2 --delay 80 1
await "probe up" || fail "the probe heard nothing"
sleep 0.5
probe=$(grep '^probe ' "$log" | tr '\n' ' ')
[ "$probe" = "probe down probe up probe double probe up " ] ||
  fail "double click arrived as: $probe"

xdotool key Escape
await "closing" || fail "Escape did not reach the dialog"
# Every key-up the client heard follows a key-down of the same key.
awk '$1 == "key" { if ($2 == "down") held[$3]++; else if (held[$3]-- <= 0) { print; bad = 1 } }
     END { exit bad }' "$log" >"$out/orphans.log" ||
  fail "key-ups without their key-down: $(tr '\n' ' ' <"$out/orphans.log")"
wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with $status"
echo "input test passed"
