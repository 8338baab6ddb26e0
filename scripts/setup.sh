#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks and builds the release preset.
# Usage: bash scripts/setup.sh            (needs root, or sudo, for apt-get)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ g++-multilib qemu-user clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libfmt-dev
  valgrind tidy gcovr chromium
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset release >/dev/null
cmake --build --preset release
