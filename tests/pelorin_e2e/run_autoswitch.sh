#!/usr/bin/env bash
# Profiles that follow the program in use, on X11 with a real EWMH window manager (openbox)
# under Xvfb and the simulated mouse. Profile 2 links xlogo by name at 125 Hz, profile 3 links
# xcalc by its full path at 250 Hz (neither sets _NET_WM_PID: the X server names the process);
# each focused in turn with xdotool must put its polling rate into the trace within a second,
# and xedit (linked to nothing) brings back profile 1's 1000 Hz. xeyes and xclock would not do:
# they refuse the input focus, so the window manager never makes them active.
# Exit 77 when a display tool is missing.
set -u
pelorin=$1
ctl=$2
out=$3

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool xprop openbox xlogo xcalc xedit

rm -rf "$out" && mkdir -p "$out"
data=$out/data
trace=$out/trace.log
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*"
  echo "--- trace"; grep '^> ' "$trace" | tail -n 12
  echo "--- stderr"; cat "$out/stderr.log"
  exit 1
}

"$ctl" --simulate --data-dir "$data" --profile 2 set polling 125 >/dev/null || fail "set profile 2"
"$ctl" --simulate --data-dir "$data" --profile 3 set polling 250 >/dev/null || fail "set profile 3"
"$ctl" --data-dir "$data" autoswitch add xlogo 2 || fail "link xlogo"
"$ctl" --data-dir "$data" autoswitch add "$(command -v xcalc)" 3 || fail "link xcalc"

start_display 1280x1024
for _ in $(seq 1 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
# A loaded machine sometimes sees openbox give up on a display that has only just come up.
wm_up() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; }
for _ in 1 2 3; do
  openbox --sm-disable >>"$out/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 50); do wm_up && break; sleep 0.1; done
  wm_up && break
done
wm_up || fail "openbox did not come up"

window_of_class() {
  for _ in $(seq 1 100); do
    local w; w=$(xdotool search --onlyvisible --class "$1" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
for program in xlogo xcalc xedit; do
  "$program" &
  pids+=($!)
done
logo=$(window_of_class xlogo) || fail "xlogo did not show"
calc=$(window_of_class xcalc) || fail "xcalc did not show"
edit=$(window_of_class xedit) || fail "xedit did not show"
xdotool windowactivate --sync "$edit"

"$pelorin" --simulate --trace --data-dir "$data" >"$trace" 2>"$out/stderr.log" &
pids+=($!)
for _ in $(seq 1 100); do grep -q '^< ' "$trace" && break; sleep 0.1; done
grep -q '^< ' "$trace" || fail "the program never talked to the mouse"
sleep 1

# Activates the window, then waits for a polling-rate report with this payload byte. A switch
# is a slot click: after the 500 ms calm and the 20 ms transfer timer the five unchanged button
# positions cost their 60 ms pauses before the polling rate goes: 850 to 1100 ms measured on a
# lightly loaded machine; the bound leaves room for a busy one (the calm itself is the headless
# tests' to check). Prints how long it took in milliseconds.
switch_to() {  # window payload what
  local before; before=$(wc -l <"$trace")
  xdotool windowactivate "$1"
  local start; start=$(date +%s%N) elapsed=0
  while ((elapsed < 4000)); do
    if tail -n +$((before + 1)) "$trace" | grep -qE "^> \S+ 0C 01 07 00 [0-9A-F]{2} 01 01 $2 "; then
      echo "$3: $elapsed ms"
      ((elapsed <= 2500)) || fail "$3 took $elapsed ms"
      return 0
    fi
    sleep 0.05
    elapsed=$((($(date +%s%N) - start) / 1000000))
  done
  fail "$3: no polling report $2"
}

switch_to "$logo" 08 "xlogo -> profile 2 (125 Hz)"
switch_to "$calc" 04 "xcalc -> profile 3 (250 Hz)"
switch_to "$edit" 01 "xedit -> back to profile 1 (1000 Hz)"
"$ctl" --data-dir "$data" config show | grep -q '^  CurrentProfile=0$' || fail "profile 1 is not current"
echo "pass"
