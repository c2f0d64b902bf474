#!/usr/bin/env bash
# The desktop seam of the GTK host on private Xvfb displays, one part a run:
#   tray      the icon under trayer (XEmbed): embedded, double click, its menu, a new picture,
#             and a desktop without any tray
#   shell     file dialogs typed into, a web address and the mouse settings through stand-ins
#   indicator the icon as a StatusNotifierItem, on a private session bus with a watcher
#   instance  two starts, a third after the first was killed with SIGKILL
#   hook      keys typed into another program's window, with XRecord and without it
# Every helper process is started here and ended by its process id. Exit 77 (skipped) when a
# tool is missing.
set -u
part=$1
probe=$(realpath "$2")
out=$(realpath -m "$3")

source "$(dirname "$0")/../support/display_session.sh"
need Xvfb xdotool xwininfo

rm -rf "$out" && mkdir -p "$out"

fail() {
  echo "FAIL: $*"
  for log in "$out"/*.log; do echo "--- $log"; cat "$log"; done
  exit 1
}
# Waits until a line matching the pattern is in the log and prints the last such line.
await() {
  local log=$1 pattern=$2
  for _ in $(seq 1 200); do
    line=$(grep -sE "$pattern" "$log" | tail -n 1)
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}
count() { grep -scE "$2" "$1"; }
# Waits until the log holds at least n lines matching the pattern.
await_count() {
  for _ in $(seq 1 200); do
    [ "$(count "$1" "$2")" -ge "$3" ] && return 0
    sleep 0.1
  done
  return 1
}

# The colour at a screen point as "r,g,b".
colour_at() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | tail -n 1
}

tray_test() {
  need trayer import
  start_display 1024x768
  local log=$out/probe.log
  "$probe" tray >"$log" 2>"$out/probe_err.log" &
  local program=$!
  pids+=($program)
  await "$log" '^tray xembed' >/dev/null || fail "the icon was not created as an XEmbed icon"
  sleep 1
  [ "$(count "$log" '^shown 1')" -eq 0 ] || fail "the icon claims a place with no tray running"

  trayer --edge top --align left --widthtype pixel --width 120 --heighttype pixel --height 32 \
    --SetDockType false --SetPartialStrut false >"$out/trayer.log" 2>&1 &
  local panel_pid=$!
  pids+=($panel_pid)
  await "$log" '^shown 1' >/dev/null || fail "the icon did not embed in trayer"
  local panel
  panel=$(xdotool search --sync --limit 1 --name '^panel$') || fail "no trayer panel"
  # XEmbed makes the icon's own window a child of the panel: it is the one owned by the probe.
  xwininfo -tree -id "$panel" >"$out/tree.log"
  read -r iw ih ix iy < <(grep "(\"$(basename "$probe")\"" "$out/tree.log" |
    sed -n 's/.* \([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]* *+\([-0-9]*\)+\([-0-9]*\)$/\1 \2 \3 \4/p' | head -n 1)
  [ -n "${ix:-}" ] || fail "no window of the program under trayer's panel"
  local cx=$((ix + iw / 2)) cy=$((iy + ih / 2))
  echo "icon at $ix,$iy size ${iw}x$ih"
  [ "$(colour_at $cx $cy)" = "255,0,0" ] || fail "the icon does not show its red picture: $(colour_at $cx $cy)"

  xdotool mousemove $cx $cy && sleep 0.2
  xdotool click --repeat 2 --delay 60 1
  await "$log" '^icon green' >/dev/null || fail "a double click did not reach the window"
  [ "$(count "$log" '^message 1056 128 515$')" -eq 1 ] || fail "want exactly one double click message"
  sleep 0.5
  [ "$(colour_at $cx $cy)" = "0,255,0" ] || fail "the new picture is not shown: $(colour_at $cx $cy)"

  # The menu opens on a right click; the keyboard picks its first item.
  xdotool click 3 && sleep 0.5
  xdotool key Down Return
  await "$log" '^message 273 2075 0$' >/dev/null || fail "the menu's first item did not post its command"
  await "$log" '^icon blue' >/dev/null || fail "the probe did not change the icon"
  sleep 0.5
  [ "$(colour_at $cx $cy)" = "0,0,255" ] || fail "the second new picture is not shown: $(colour_at $cx $cy)"

  kill "$panel_pid"
  await_count "$log" '^shown 0' 2 || fail "the icon did not notice the tray going"
  kill -0 "$program" 2>/dev/null || fail "the program ended with its tray"
  # Back through the menu of a new tray, the last item ends the program.
  trayer --edge top --align left --widthtype pixel --width 120 --heighttype pixel --height 32 \
    --SetDockType false --SetPartialStrut false >"$out/trayer.log" 2>&1 &
  pids+=($!)
  await_count "$log" '^shown 1' 2 || fail "the icon did not come back in a new tray"
  sleep 0.5
  xdotool mousemove $cx $cy click 3 && sleep 0.5
  xdotool key Up Return
  await "$log" '^exit' >/dev/null || fail "the exit item did not end the program"
  echo "tray test passed"
}

instance_test() {
  start_display 1024x768
  local folder=$out/runtime
  mkdir -m 700 "$folder"
  "$probe" instance "$folder" >"$out/first.log" 2>"$out/first_err.log" &
  local first=$!
  pids+=($first)
  await "$out/first.log" '^first' >/dev/null || fail "the first start did not come up"

  local started=$(date +%s%N)
  "$probe" instance "$folder" >"$out/second.log" 2>&1
  local status=$? took=$(( ($(date +%s%N) - started) / 1000000 ))
  echo "second start ended with $status after $took ms"
  [ "$status" -eq 3 ] || fail "the second start did not end refused (status $status)"
  [ "$took" -lt 2000 ] || fail "the second start took $took ms"
  await "$out/first.log" '^message 2999 0 0$' >/dev/null || fail "the first instance got no activation"
  sleep 0.5
  [ "$(count "$out/first.log" '^message 2999')" -eq 1 ] || fail "want exactly one activation"

  # A first instance killed outright leaves its lock file and socket behind.
  kill -KILL "$first"
  wait "$first" 2>/dev/null
  [ -e "$folder/probe.lock" ] && [ -S "$folder/probe.socket" ] || fail "no stale lock to test with"
  "$probe" instance "$folder" >"$out/third.log" 2>"$out/third_err.log" &
  pids+=($!)
  await "$out/third.log" '^first' >/dev/null || fail "a stale lock blocked a new first instance"
  "$probe" instance "$folder" >"$out/fourth.log" 2>&1
  [ $? -eq 3 ] || fail "the new first instance did not refuse a later start"
  await "$out/third.log" '^message 2999 0 0$' >/dev/null || fail "the new first instance got no activation"
  echo "instance test passed"
}

# A file dialog of the probe: waits for it, types the name (a save) or the path (an open) into
# it, or cancels it when there is no text, and prints what the probe got. Without a window
# manager the focus stays on the probe's main window; its modal dialog takes the keys from it.
dialog_answer() {
  local mode=$1 title=$2 text=${3:-}
  local log=$out/$mode.log
  "$probe" shell "$mode" "$out/files" >"$log" 2>"$out/${mode}_err.log" &
  local program=$!
  await "$log" '^dialog' >/dev/null || { kill "$program"; echo "no $mode dialog"; return; }
  xdotool search --sync --onlyvisible --limit 1 --name "^$title\$" >/dev/null
  sleep 0.5
  if [ -z "$text" ]; then
    xdotool key Escape
  else
    [ "$mode" = save ] && xdotool key ctrl+a || xdotool key ctrl+l
    sleep 0.2
    xdotool type "$text"
    sleep 0.2
    xdotool key Return
  fi
  await "$log" '^picked ' | cut -d' ' -f2-
  # The next dialog may get the same window id: this one must be gone first.
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
}

shell_test() {
  start_display 1024x768
  mkdir -p "$out/files" "$out/bin" "$out/share/applications" "$out/config" "$out/home"
  # The file chooser keeps a list of recent files in the home folder.
  export HOME=$out/home
  echo keep >"$out/files/old.psf"
  echo "<html></html>" >"$out/files/guide.html"

  [ "$(dialog_answer save 'Export profile' mine)" = "$out/files/mine.psf" ] ||
    fail "saving did not give the typed name with the default extension"
  [ "$(dialog_answer save 'Export profile')" = "nothing" ] || fail "a cancelled save gave a file"
  [ "$(dialog_answer open 'Import profile' "$out/files/old.psf")" = "$out/files/old.psf" ] ||
    fail "opening did not give the chosen file"

  # A stand-in browser and mouse settings tool write down how they were started.
  cat >"$out/bin/stand-in" <<'SCRIPT'
#!/bin/sh
echo "$(basename "$0") $*" >>"$STAND_IN_LOG"
SCRIPT
  chmod +x "$out/bin/stand-in"
  ln -s stand-in "$out/bin/xfce4-mouse-settings"
  printf '[Desktop Entry]\nType=Application\nName=Stand-in\nExec=%s %%u\nMimeType=x-scheme-handler/https;text/html;\n' \
    "$out/bin/stand-in" >"$out/share/applications/stand-in.desktop"
  printf '[Default Applications]\nx-scheme-handler/https=stand-in.desktop\ntext/html=stand-in.desktop\n' \
    >"$out/config/mimeapps.list"
  export STAND_IN_LOG=$out/stand-in.log PATH=$out/bin:$PATH XDG_DATA_HOME=$out/share \
    XDG_DATA_DIRS=$out/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share} XDG_CONFIG_HOME=$out/config
  : >"$STAND_IN_LOG"

  "$probe" shell address https://example.org/guide >"$out/address.log" 2>&1
  grep -q '^opened 1' "$out/address.log" || fail "the web address was not handed on"
  (cd "$out" && "$probe" shell address files/guide.html >"$out/guide.log" 2>&1)
  grep -q '^opened 1' "$out/guide.log" || fail "the local guide was not handed on"
  XDG_CURRENT_DESKTOP=XFCE "$probe" shell mouse >"$out/mouse.log" 2>&1
  grep -q '^mouse settings 1' "$out/mouse.log" || fail "the XFCE mouse settings did not start"
  XDG_CURRENT_DESKTOP=Hyprland "$probe" shell mouse >"$out/nomouse.log" 2>&1
  grep -q '^mouse settings 0' "$out/nomouse.log" || fail "a desktop without a known tool did not say so"
  await_count "$STAND_IN_LOG" . 3 || fail "the stand-ins were not all started"
  sort "$STAND_IN_LOG" | diff - <(printf 'stand-in %s/files/guide.html\nstand-in https://example.org/guide\nxfce4-mouse-settings \n' "$out") ||
    fail "the stand-ins were started with other arguments"
  echo "shell test passed"
}

# The value of a property of the item, as gdbus prints it.
item_property() {
  gdbus call --session --dest "$1" --object-path "$2" \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$3"
}
# The colour at the centre of a 22 x 22 picture file as "r,g,b".
file_centre() {
  convert "$1" -crop 1x1+11+11 -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | tail -n 1
}

indicator_test() {
  need dbus-daemon gdbus convert
  start_display 1024x768
  exec 4<> <(:)
  dbus-daemon --session --nofork --nopidfile --print-address=4 >"$out/dbus.log" 2>&1 &
  pids+=($!)
  read -r -t 10 address <&4 || fail "no session bus"
  exec 4<&-
  export DBUS_SESSION_BUS_ADDRESS=$address XDG_RUNTIME_DIR=$out
  "$probe" watcher >"$out/watcher.log" 2>&1 &
  pids+=($!)
  await "$out/watcher.log" '^watching' >/dev/null || fail "the watcher did not take its name"

  local log=$out/probe.log
  "$probe" tray >"$log" 2>"$out/probe_err.log" &
  pids+=($!)
  await "$log" '^tray indicator' >/dev/null || fail "the icon did not take the watcher's way"
  read -r _ service path < <(await "$out/watcher.log" '^item ') || fail "no item was registered"
  case "$path" in /*) ;; *) service=$path path=/StatusNotifierItem ;; esac
  [ "$(item_property "$service" "$path" Title)" = "(<'Pelorin'>,)" ] || fail "the title is not the tooltip"
  local icon
  icon=$(item_property "$service" "$path" IconName | sed -n "s/^(<'\(.*\)'>,)$/\1/p")
  [ "$(file_centre "$icon")" = "255,0,0" ] || fail "the icon file $icon is not the red picture"

  # Clicking the menu's restore item, as a host does over dbusmenu.
  local menu
  menu=$(item_property "$service" "$path" Menu | sed -n "s/^(<objectpath '\(.*\)'>,)$/\1/p")
  local restore
  restore=$(gdbus call --session --dest "$service" --object-path "$menu" \
    --method com.canonical.dbusmenu.GetLayout -- 0 -1 "[]" |
    tee "$out/layout.log" | grep -o "([0-9]*, {[^}]*'label': <'Restore'>" | sed 's/^(\([0-9]*\),.*/\1/')
  [ -n "$restore" ] || fail "the menu has no restore item"
  gdbus call --session --dest "$service" --object-path "$menu" \
    --method com.canonical.dbusmenu.Event "$restore" clicked "<0>" 0 >/dev/null
  await "$log" '^message 273 2075 0$' >/dev/null || fail "the restore item did not post its command"
  await "$log" '^icon blue' >/dev/null || fail "the probe did not change the icon"
  sleep 0.3
  icon=$(item_property "$service" "$path" IconName | sed -n "s/^(<'\(.*\)'>,)$/\1/p")
  [ "$(file_centre "$icon")" = "0,0,255" ] || fail "the new icon file $icon is not the blue picture"
  # A middle click stands for the double click the protocol lacks.
  gdbus call --session --dest "$service" --object-path "$path" \
    --method org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
  await_count "$log" '^message 273 2075 0$' 2 || fail "a middle click did not restore"
  echo "indicator test passed"
}

# Runs the xdotool key commands after giving the window with the given id the focus.
type_into() {
  local window=$1
  shift
  xdotool windowfocus --sync "$window" || fail "could not focus $window"
  [ "$(xdotool getwindowfocus)" = "$window" ] || fail "the focus is not on $window"
  xdotool "$@"
}

start_other_window() {
  need xlogo
  xlogo -geometry 200x100+400+300 >"$out/xlogo.log" 2>&1 &
  pids+=($!)
  xdotool search --sync --limit 1 --class xlogo
}

hook_test() {
  start_display 1024x768
  local log=$out/probe.log
  "$probe" hook >"$log" 2>"$out/probe_err.log" &
  local program=$!
  pids+=($program)
  await "$log" '^hook system-wide' >/dev/null || fail "the hook did not use XRecord"
  local other
  other=$(start_other_window) || fail "xlogo did not show"
  type_into "$other" key a keydown shift keydown b keyup b keyup shift
  await "$log" '^key 160 up' >/dev/null || fail "keys typed into another program were not heard"
  sleep 0.3
  grep -E '^key ' "$log" | cut -d' ' -f2,3 >"$out/keys.txt"
  printf '65 down\n65 up\n160 down\n66 down\n66 up\n160 up\n' | diff - "$out/keys.txt" ||
    fail "the keys are not the six transitions in order"
  grep -E '^key ' "$log" | cut -d' ' -f4 | sort -n -c || fail "the stamps go backwards"

  # A held key repeats as presses only.
  xdotool keydown c && sleep 1.2 && xdotool keyup c
  await "$log" '^key 67 up' >/dev/null || fail "the held key's release was not heard"
  local downs=$(( $(count "$log" '^key 67 down') ))
  echo "held key: $downs presses"
  [ "$downs" -ge 2 ] || fail "a held key's repeats did not come through"
  [ "$(count "$log" '^key 67 up')" -eq 1 ] || fail "a held key's repeats came with releases"
  echo "hook with XRecord passed"

  # Held to its own window, the hook hears keys only while that window has the focus.
  kill "$program"
  "$probe" hook own >"$log" 2>"$out/probe_err.log" &
  pids+=($!)
  read -r _ own < <(await "$log" '^window ') || fail "the probe window did not show"
  await "$log" '^hook window' >/dev/null || fail "the hook did not keep to its window"
  type_into "$own" key a
  await "$log" '^key 65 up' >/dev/null || fail "the window's own keys were not heard"
  await "$log" '^window key 65 up' >/dev/null || fail "the window itself lost its keys to the hook"
  type_into "$other" key b
  sleep 0.5
  [ "$(count "$log" '^key 66')" -eq 0 ] || fail "the window-only hook heard another program's keys"
  echo "hook on its own window passed"

  # A display without RECORD (Xvfb drops XTEST with it, so nothing is typed here).
  kill "${pids[@]}" 2>/dev/null
  wait 2>/dev/null
  pids=()
  start_display 1024x768 -extension RECORD
  "$probe" hook >"$log" 2>"$out/probe_err.log" &
  pids+=($!)
  await "$log" '^hook window' >/dev/null || fail "without XRecord the hook did not fall back"
  echo "hook falls back without XRecord"
}

case "$part" in
  tray) tray_test ;;
  indicator) indicator_test ;;
  shell) shell_test ;;
  instance) instance_test ;;
  hook) hook_test ;;
  *) echo "unknown part $part"; exit 2 ;;
esac
