#!/usr/bin/env bash
# Builds the Debian package from a release build: build/package/pelorin_<version>_<arch>.deb.
# Then runs lintian on it when lintian is installed (errors fail, warnings are printed).
# Usage: scripts/package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build="${1:-build/package}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELORIN_BUILD_TESTS=OFF \
  -DPELORIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/pelorin_*.deb | head -n 1)
echo "$deb"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
