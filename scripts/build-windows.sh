#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64: pelorin.exe, pelorinctl.exe and the test
# programs in build/windows/bin, warnings as errors, and the installer
# build/windows/pelorin-<version>-setup.exe (NSIS).
# Usage: scripts/build-windows.sh [--test]   (--test also runs the Windows suites under Wine)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# The language files are encoded at build time by a tool that must run on this machine.
host=build/host-tools
cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELORIN_BUILD_TESTS=OFF \
  -DPELORIN_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$host" --target pelorin_lang_encode

build=build/windows
# -O2: at -O3 GCC 12 reports false overlaps inside std::string copies (-Wrestrict).
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DPELORIN_WERROR=ON \
  -DPELORIN_BUILD_BENCH=OFF \
  -DPELORIN_HOST_LANG_ENCODE="$PWD/$host/resources/lang/pelorin_lang_encode" \
  -DPELORIN_LINUX_RENDER="$PWD/build/default/screens/main_1.png" \
  "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

if [ "${1:-}" = "--test" ]; then
  # The window test compares pelorin.exe with the Linux build's render of the same window; a
  # fresh clone makes that render first.
  if [ ! -f build/default/screens/main_1.png ]; then
    cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELORIN_WERROR=ON \
      "${launcher[@]}" >/dev/null
    cmake --build build/default -j "$(nproc)" --target app_tests
    build/default/bin/app_tests --gtest_filter='MainWindowTest.PicturesAtScaleOneAndOneAndAHalf'
  fi
  # Suites share one Wine prefix and a wineserver, so they run one at a time.
  ctest --test-dir "$build" --output-on-failure --timeout 300
fi
