#!/usr/bin/env bash
# Builds every benchmark once (optimised) and runs them all, printing one table.
# Extra arguments go to every benchmark program (for example --benchmark_filter=Read).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELORIN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target benchmarks

printf '%-56s %14s %14s %12s\n' benchmark "real time" "cpu time" iterations
while read -r program; do
  [ -n "$program" ] || continue
  "$program" --benchmark_format=csv "$@" 2>/dev/null |
    awk -F, 'NR > 1 && $1 != "" {
      gsub(/"/, "", $1)
      printf "%-56s %11.1f %-2s %11.1f %-2s %12s\n", $1, $3, $5, $4, $5, $2
    }'
done <"$build/benchmarks.txt"

# The window's figures beside a bare GTK window (first frame, memory, idle load, repaint).
if cmake --build "$build" --target window_bench >/dev/null 2>&1; then
  echo
  scripts/bench_window.sh "$build/bin/window_bench"
fi
