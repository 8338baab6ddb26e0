#!/usr/bin/env bash
# Runs the test programs of a plain Debug build under valgrind's memcheck:
# any error or leak fails the run.
# Usage: bash scripts/valgrind.sh [test program names...]   (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/valgrind
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQRV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"

programs=("$@")
if ((${#programs[@]} == 0)); then
  for p in "$build"/bin/test_*; do programs+=("$(basename "$p")"); done
fi
status=0
for p in "${programs[@]}"; do
  echo "=== valgrind $p ==="
  # Death tests fork and abort on purpose; memcheck sees only the parent.
  # The fault tests write through null on purpose (the exception frame
  # turns that into a result), and memcheck computes long double in 64
  # bits, not the x87's 80, so the hardware comparison cannot hold there.
  valgrind --quiet --error-exitcode=99 --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --suppressions=scripts/valgrind.supp \
    "$build/bin/$p" --gtest_brief=1 --gtest_filter='-*DeathTest*:*Fault*:*Exception*:*Hardware*:Seh.*' || status=$?
done
exit $status
