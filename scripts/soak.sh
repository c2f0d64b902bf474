#!/usr/bin/env bash
# A long walk over the main window: every step checked against the simulated mouse, the
# controls and, after each restart, the files. On failure it prints the seed and a shortened
# list of steps that still fails.
# Usage: scripts/soak.sh [--sanitize] [SEED] [STEPS]   (defaults: seed 1, 200000 steps)
# --sanitize builds and runs under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/default
args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELORIN_WERROR=ON)
if [[ "${1:-}" == --sanitize ]]; then
  shift
  build=build/sanitize
  args=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELORIN_WERROR=ON -DPELORIN_SANITIZE=ON
        -DPELORIN_BUILD_BENCH=OFF)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1 ${ASAN_OPTIONS:-}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1 ${UBSAN_OPTIONS:-}"
fi
seed="${1:-1}"
steps="${2:-200000}"
[[ "$seed" =~ ^[0-9]+$ && "$steps" =~ ^[0-9]+$ ]] || {
  echo "usage: scripts/soak.sh [--sanitize] [SEED] [STEPS]" >&2
  exit 2
}

[[ -f "$build/build.ninja" ]] || cmake -S . -B "$build" "${args[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target app_tests
PELORIN_WALK_SEED="$seed" PELORIN_WALK_STEPS="$steps" \
  "$build/bin/app_tests" --gtest_filter='WindowWalk.*'
