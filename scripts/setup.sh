#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks and builds the release preset.
# Usage: bash scripts/setup.sh            (needs root, or sudo, for apt-get)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ g++-multilib qemu-user clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libfmt-dev
  valgrind tidy gcovr chromium
  libzip-dev libexpat1-dev pkg-config
  # the Markdown and JSON outputs read back (their CTest checks skip without them)
  cmark-gfm python3-jsonschema
  # Debian packages: cpack -G DEB finds their dependencies with these
  dpkg-dev file
  # the 32-bit build's importers
  libzip-dev:i386 libexpat1-dev:i386
  # The win32 build: MinGW-w64 for 32-bit Windows and Wine to run it
  # (wine32 comes from the i386 architecture).
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix wine wine32
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# The 32-bit build links i386 libraries from Debian's multiarch archive.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
if ((${#missing[@]})); then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset release >/dev/null
cmake --build --preset release
