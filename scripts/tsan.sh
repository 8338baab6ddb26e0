#!/usr/bin/env bash
# Builds the tsan preset (ThreadSanitizer, -fsanitize=thread) and runs the
# whole suite under it; any report fails the test that caused it.
# Usage: bash scripts/tsan.sh [build directory]   (default: build/tsan)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/tsan}
bash scripts/need-tests.sh
cmake --preset tsan -B "$build" >/dev/null
cmake --build "$build" -j 2
bash scripts/ctest-counts.sh tsan --preset tsan --test-dir "$build" -j 2
