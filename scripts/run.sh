#!/usr/bin/env bash
# Builds Pelorin if needed and runs it against the mouse, or against the simulated mouse when no
# mouse is attached. Without arguments it shows the mouse's status and follows it until Ctrl+C;
# arguments are passed to pelorinctl (for example: scripts/run.sh profile list).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/default -j "$(nproc)" --target pelorinctl >/dev/null
ctl=build/default/bin/pelorinctl

mode=()
if ! "$ctl" devices >/dev/null 2>&1; then
  echo "No mouse attached: using the simulated mouse." >&2
  mode=(--simulate)
fi
if [ $# -gt 0 ]; then exec "$ctl" "${mode[@]}" "$@"; fi

"$ctl" "${mode[@]}" status
if [ ${#mode[@]} -gt 0 ]; then
  # The simulated mouse presses its own buttons now and then, so there is something to follow.
  exec "$ctl" --simulate watch --sim-events \
    "dpi@1500,polling@3000,dpi@4500,battery=64@5000,charge=1@5000,status@5100,dpi@6500"
fi
exec "$ctl" watch
