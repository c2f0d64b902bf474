# Sourced by the display tests after they set $out: skips (exit 77) when a tool is missing, starts
# private Xvfb displays, and ends every process the test started, by its id, when the test ends.

need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

export DBUS_SESSION_BUS_ADDRESS=disabled: NO_AT_BRIDGE=1 GDK_GL=disable GDK_BACKEND=x11

# Ids of the processes to end; a test adds each one it starts.
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT

# start_display WIDTHxHEIGHT [Xvfb arguments]: a new display, and DISPLAY pointed at it.
start_display() {
  local size=$1
  shift
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp "$@" >"$out/xvfb.log" 2>&1 &
  pids+=($!)
  local display
  read -r -t 10 display <&3 || { echo "Xvfb did not start"; exit 1; }
  exec 3<&-
  export DISPLAY=:$display
}

# A send is followed by the window's progress animation: a modal window, 429 pixels wide at
# scale 1, that closes itself after about half a second and takes the clicks meanwhile. Waits up
# to a second for it to appear, then until it has gone; false when it stays.
await_progress() {
  local seen="" open i
  for i in $(seq 1 60); do
    open=""
    for w in $(xdotool search --onlyvisible --name '^Pelorin$' 2>/dev/null); do
      [ "$(xwininfo -id "$w" | sed -n 's/ *Width: //p')" = 429 ] && open=1
    done
    if [ -n "$open" ]; then
      seen=1
    elif [ -n "$seen" ] || [ "$i" -ge 10 ]; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}
