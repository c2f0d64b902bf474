#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; skips the work when all are present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build clang-14 libclang-rt-14-dev clang-format
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  pkg-config libgtk-3-dev libcairo2-dev libpango1.0-dev libgdk-pixbuf-2.0-dev
  librsvg2-bin libudev-dev libfuse3-dev fuse3
  libayatana-appindicator3-dev libx11-dev libxtst-dev libxcb1-dev libxcb-res0-dev
  xvfb xdotool x11-apps x11-utils openbox trayer dbus-daemon libglib2.0-bin imagemagick python3
  fontconfig fonts-dejavu-core fonts-droid-fallback
  lintian desktop-file-utils appstream dpkg-dev fakeroot
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
