#!/usr/bin/env bash
# Line coverage of src/ by the test suite (the coverage preset and gcovr).
# Writes build/coverage/coverage.html and prints the summary.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage -j "$(nproc)" >/dev/null || true
gcovr --root . --filter 'src/' --object-directory build/coverage \
  --exclude-directories 'build/coverage/CMakeFiles' \
  --html-details build/coverage/coverage.html --print-summary
