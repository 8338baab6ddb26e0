#!/usr/bin/env bash
# Installs what building and running the tools needs on a fresh Debian
# machine (a compiler, CMake, Ninja, pkg-config, libzip, expat and nettle) and builds
# the release preset without its tests and benchmarks.  What only testing
# needs, scripts/test.sh and the other test scripts install themselves.
# Usage: bash scripts/setup.sh            (needs root, or sudo, for apt-get)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/need.sh cmake ninja-build g++ pkg-config libzip-dev libexpat1-dev nettle-dev

cmake --preset release -DQRV_BUILD_TESTS=OFF -DQRV_BUILD_BENCH=OFF >/dev/null
cmake --build --preset release
