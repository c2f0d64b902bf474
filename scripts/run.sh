#!/usr/bin/env bash
# Builds Pelorin if needed and opens its window against the mouse, or against the simulated mouse
# when no mouse is attached. Without a display it says so and shows the mouse's status in the
# terminal, following it until Ctrl+C. Arguments are passed to pelorinctl instead (for example:
# scripts/run.sh profile list).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(pelorinctl)
if [ $# -eq 0 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then targets+=(pelorin); fi
cmake --build build/default -j "$(nproc)" --target "${targets[@]}" >/dev/null
ctl=build/default/bin/pelorinctl

mode=()
if ! "$ctl" devices >/dev/null 2>&1; then
  echo "No mouse attached: using the simulated mouse." >&2
  mode=(--simulate)
fi
if [ $# -gt 0 ]; then exec "$ctl" "${mode[@]}" "$@"; fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/default/bin/pelorin ]; then
  exec build/default/bin/pelorin "${mode[@]}"
fi
echo "No display: showing the mouse in the terminal instead of the window." >&2
"$ctl" "${mode[@]}" status
if [ ${#mode[@]} -gt 0 ]; then
  # The simulated mouse presses its own buttons now and then, so there is something to follow.
  exec "$ctl" --simulate watch --sim-events \
    "dpi@1500,polling@3000,dpi@4500,battery=64@5000,charge=1@5000,status@5100,dpi@6500"
fi
exec "$ctl" watch
