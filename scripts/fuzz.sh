#!/usr/bin/env bash
# Builds every fuzz target with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a while over its seed corpus in the repository.
# Usage: scripts/fuzz.sh [seconds per target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

seconds="${1:-20}"
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELORIN_WERROR=ON \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DPELORIN_FUZZ=ON \
  -DPELORIN_BUILD_TESTS=OFF -DPELORIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets

# New inputs go to a scratch corpus in the build folder; the seeds in the repository stay as they
# are. A crash leaves its input in the build folder and fails the run.
while read -r program seeds; do
  [ -n "$program" ] || continue
  name=$(basename "$program")
  found="$build/corpus/$name"
  mkdir -p "$found" "$build/crashes"
  echo "fuzz: $name for ${seconds}s"
  "$program" -max_total_time="$seconds" -print_final_stats=0 -close_fd_mask=1 \
    -artifact_prefix="$build/crashes/$name-" "$found" "$seeds" 2>"$build/$name.log" || {
    tail -n 40 "$build/$name.log" >&2
    exit 1
  }
done <"$build/fuzz_runs.txt"
