#!/usr/bin/env bash
# Builds the Debian packages libqrvex1, libqrvex-dev, qrvex-tools and (where
# the Python package is built) python3-qrvex from a
# build (default: the release build) into build/packages, and shows what
# each one needs.  Install them with: sudo apt install ./build/packages/*.deb
# Usage: bash scripts/package.sh [build directory]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
out=build/packages
# cpack -G DEB finds the packages' dependencies with these.
bash scripts/need.sh dpkg-dev file
cmake --build "$build"
rm -rf "$out"
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake"
rm -rf "$out/_CPack_Packages"
for deb in "$out"/*.deb; do
  echo "--- $deb"
  dpkg-deb -f "$deb" Package Version Depends
done
