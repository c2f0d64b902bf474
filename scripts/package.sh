#!/usr/bin/env bash
# Builds the Debian package and checks it with lintian (errors fail; warnings are printed).
#   scripts/package.sh               a release build in build/package, packaged there
#   scripts/package.sh --from BUILD  packages an existing build as it is (CI: the tested build)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--from" ]; then
  build="${2:?usage: scripts/package.sh [--from BUILD]}"
else
  scripts/deps.sh
  build=build/package
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELORIN_BUILD_TESTS=OFF \
    -DPELORIN_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" -j "$(nproc)"
fi
out="$build/deb"
rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$PWD/deb" >/dev/null)
deb=$(ls "$out"/pelorin_*.deb)
echo "package: $deb"
# The desktop entry and the metainfo as the package installs them.
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error "$deb" | sed 's/^/lintian: /'
exit "${PIPESTATUS[0]}"
