#!/usr/bin/env bash
# Builds Pelorin if needed and runs it; without a mouse attached it uses the simulated one.
# Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/default -j "$(nproc)" --target pelorinctl >/dev/null
if [ $# -eq 0 ]; then set -- status; fi
exec build/default/bin/pelorinctl --simulate "$@"
