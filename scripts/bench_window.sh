#!/usr/bin/env bash
# Prints the window figures: the main window with the simulated mouse beside a bare GTK window,
# each in its own process. Runs on a private Xvfb display when there is no display.
# usage: scripts/bench_window.sh [window_bench]   (BENCH_IDLE_SECONDS shortens the 30 s idle period)
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-}
if [ -z "$bench" ]; then
  cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/default --target window_bench >/dev/null
  bench=build/default/bin/window_bench
fi
export DBUS_SESSION_BUS_ADDRESS=disabled: NO_AT_BRIDGE=1 GDK_GL=disable GDK_BACKEND=x11
if [ -z "${DISPLAY:-}" ]; then
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  read -r -t 10 display <&3
  export DISPLAY=:$display
fi
"$bench" bare
"$bench" pelorin
