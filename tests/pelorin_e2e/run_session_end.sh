#!/usr/bin/env bash
# How the window program is reached and how it ends, on private Xvfb displays with the simulated
# mouse asleep behind its receiver (link flag 0): a second start shows the hidden window; the
# login start without a notification area shows it and closing it quits; SIGTERM while the file
# chooser is open, SIGHUP and SIGINT save the pending change at once and end the program; so does
# losing the display. Exit 77 when a display tool is missing.
set -u
pelorin=$1
out=$2

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool xwininfo iconv trayer

rm -rf "$out" && mkdir -p "$out"
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*"
  echo "--- stderr"; cat "$out"/*.err 2>/dev/null | tail -n 20
  exit 1
}
# The main window's id once it is viewable (the tray icon's window bears the name too, but is
# small); empty after five seconds.
main_window() {
  for _ in $(seq 1 50); do
    for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
      [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" = 1127 ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
}
click() { # window, design x, design y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) && sleep 0.2 && xdotool click 1 && sleep 0.4
}
ended() { # pid, tenths of a second to wait
  for _ in $(seq 1 "$2"); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}
current_profile() { iconv -f UTF-16 -t UTF-8 "$1/config/config.ini" | sed -n 's/^CurrentProfile=//p'; }
asleep="link=0@0"

start_display 1920x1080

# Without a notification area the login start shows the window, and closing it quits.
"$pelorin" --simulate --hidden --data-dir "$out/login" --sim-events "$asleep" 2>"$out/login.err" &
pid=$!
pids+=($pid)
wid=$(main_window)
[ -n "$wid" ] || fail "without a notification area the login start never showed the window"
click "$wid" 310 507
click "$wid" 1094 14
ended "$pid" 50 || fail "closing the window without a notification area did not quit"
[ "$(current_profile "$out/login")" = 1 ] || fail "quitting by closing lost the chosen profile"

# With a tray and the shipped start-hidden switch the window stays hidden; a second start shows
# it although the mouse's link flag is 0.
trayer --edge top --align left --widthtype pixel --width 120 --heighttype pixel --height 32 \
  --SetDockType false --SetPartialStrut false >"$out/trayer.log" 2>&1 &
pids+=($!)
timeout 10 xdotool search --sync --limit 1 --name '^panel$' >/dev/null || fail "no trayer panel"
"$pelorin" --simulate --data-dir "$out/asleep" --sim-events "$asleep" 2>"$out/asleep.err" &
pid=$!
pids+=($pid)
sleep 2
for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
  [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" = 1127 ] && fail "the hidden start showed its window"
done
timeout 10 "$pelorin" --simulate --data-dir "$out/asleep" >/dev/null 2>&1 ||
  fail "the second start did not end by itself"
wid=$(main_window)
[ -n "$wid" ] || fail "the second start did not show the window of a mouse with link flag 0"

# A stop signal saves the pending change at once; SIGTERM does so with the file chooser open.
for signal in TERM HUP INT; do
  click "$wid" 310 507
  [ "$signal" = TERM ] && {
    click "$wid" 360 565
    timeout 10 xdotool search --sync --onlyvisible --name 'Import' >/dev/null ||
      fail "the import button opened no file chooser"
  }
  kill -s "$signal" "$pid"
  ended "$pid" 30 || fail "SIG$signal did not end the program within three seconds"
  [ "$(current_profile "$out/asleep")" = 1 ] || fail "SIG$signal lost the pending change"
  # The next round starts from profile 1 again.
  sed_ok=$(iconv -f UTF-16 -t UTF-8 "$out/asleep/config/config.ini" |
    sed 's/^CurrentProfile=.*/CurrentProfile=0/' | iconv -f UTF-8 -t UTF-16 >"$out/config.new" &&
    mv "$out/config.new" "$out/asleep/config/config.ini" && echo yes)
  [ "$sed_ok" = yes ] || fail "could not reset the configuration"
  "$pelorin" --simulate --data-dir "$out/asleep" 2>"$out/$signal.err" &
  pid=$!
  pids+=($pid)
  wid=$(main_window)
  [ -n "$wid" ] || fail "the window did not show after SIG$signal"
  # The start-up steps run once the window shows; a click before they end is not a user's.
  sleep 1
done

# Losing the display saves too: the X server goes away under the running program.
click "$wid" 310 507
kill "${pids[0]}"
ended "$pid" 50 || fail "the program outlived its display"
[ "$(current_profile "$out/asleep")" = 1 ] || fail "losing the display lost the pending change"
echo "pass"
