#!/usr/bin/env bash
# Builds and runs the whole test suite in each preset given (default: the
# release build, the Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the 32-bit build).
# Usage: bash scripts/test.sh [release] [debug] [m32] [tsan]
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
((${#presets[@]})) || presets=(release debug m32)

for preset in "${presets[@]}"; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done
