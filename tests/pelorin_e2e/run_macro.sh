#!/usr/bin/env bash
# Macros end to end on a private Xvfb display with the simulated mouse: the middle button of the
# current profile plays the library's macro "Jump"; the macro manager records keys typed into
# another program with their pauses, the first loop mode is chosen and a recorded pause is
# edited; closing the manager sends the button's new code and, at once, the macro's chunk with
# every recorded entry.
# Exit 77 when a display tool is missing.
set -u
pelorin=$1
pelorinctl=$2
out=$3

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool xlogo xwininfo iconv import

rm -rf "$out" && mkdir -p "$out"
data=$out/data
trace=$out/trace.log
export XDG_RUNTIME_DIR=$out/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*"
  echo "--- trace"; tail -n 20 "$trace"
  echo "--- stderr"; cat "$out/stderr.log"
  exit 1
}
await_match() {
  for _ in $(seq 1 100); do
    grep -qE "$2" "$1" && return 0
    sleep 0.1
  done
  return 1
}
utf16() { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; }

# The middle button of profile 1 plays macro 1 four times; the library holds it, still empty.
"$pelorinctl" --data-dir "$data" profile export 1 "$out/p1.psf" >/dev/null || fail "export"
iconv -f UTF-16 -t UTF-8 "$out/p1.psf" |
  sed '/Key2Value=/{s/=.*/=902104/;n;s/MacroKeyIndex=0/MacroKeyIndex=1/}' | utf16 >"$out/p1_macro.psf"
"$pelorinctl" --data-dir "$data" profile import 1 "$out/p1_macro.psf" >/dev/null || fail "import"
{
  printf '[MacroLibrary]\nMacroKeyIndex=2\n'
  printf 'Select Locaton:stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;\n'
  printf '++++++++MacroItemName=Jump\n'
  printf 'MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;\n'
  printf 'MacroItemIsFolder=0\nMacroItemFolderIsOpen=0\nMacroKeyIndex=1\nMacroKeyLoopType=2\n'
  printf 'MacroKeyLoopNum=4\nMacroActionNum=0\nMacroCommandActionNum=0\nAllAction='
  printf '0%.0s' $(seq 1 2688)
  printf '\n'
} | utf16 >"$data/config/MacroLibraryFile.mlf"

start_display 1920x1080
xlogo -geometry 200x100+1600+900 >"$out/xlogo.log" 2>&1 &
pids+=($!)
other=$(timeout 10 xdotool search --sync --limit 1 --class xlogo) || fail "xlogo did not show"

"$pelorin" --simulate --trace --data-dir "$data" >"$trace" 2>"$out/stderr.log" &
pids+=($!)
# The top-level window of the program with this width.
window_of_width() {
  for _ in $(seq 1 100); do
    for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
      [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" -eq "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
main=$(window_of_width 1127) || fail "the main window never showed"
eval "$(xdotool getwindowgeometry --shell "$main")"
await_match "$trace" '^< ' || fail "no status answer at start"
sleep 0.5
# A click at a design point of the window whose origin is in $X, $Y (scale 1 on this screen).
click() {
  xdotool mousemove $((X + $1)) $((Y + $2)) && sleep 0.2 && xdotool click 1 && sleep 0.4
}

click 150 332
manager=$(window_of_width 528) || fail "the macro button did not open the manager"
eval "$(xdotool getwindowgeometry --shell "$manager")"
sleep 0.3
click 120 64  # Jump
click 375 120 # the first loop mode
click 375 91  # record the pauses
click 400 60  # record
xdotool windowfocus --sync "$other" || fail "could not focus xlogo"
xdotool key --delay 80 a b
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$manager")"
click 400 60  # stop
# The pause after the press of A (row 1) becomes 300 ms in the delay dialog.
xdotool mousemove $((X + 250)) $((Y + 84)) && sleep 0.2 && xdotool click --repeat 2 --delay 80 1
delay=$(window_of_width 319) || fail "a double click on the pause did not open the delay dialog"
xdotool windowfocus --sync "$delay" 2>/dev/null
sleep 0.3
xdotool key --delay 40 End BackSpace BackSpace BackSpace BackSpace BackSpace 3 0 0 Return
sleep 0.5
import -window "$manager" "$out/manager.png"
click 510 8   # close

eval "$(xdotool getwindowgeometry --shell "$main")"
# The button's code now carries slot 1 with loop type 1 and no count.
await_match "$trace" '^> .* 90 11 00' || fail "closing the manager did not send the button"
# A press of A with the edited 300 ms pause (0x12C), then B, each with its pause: four entries,
# all announced and sent in one chunk into slot 1, by the closing alone.
await_match "$trace" '^> .*0E 00 .. 01 0D 01 31 2C 04 B0 .. 04 30 .. 05 B0 00 05 00' ||
  fail "closing the manager did not send the macro chunk with every recorded entry"
await_progress || fail "the progress animation did not close by itself"
echo "pass"
