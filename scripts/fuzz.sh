#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, ASan+UBSan) and runs each for a
# bounded time over its seed corpus in fuzz/corpus/<name>/.  New inputs go to
# build/fuzz/corpus/<name>/, so the checked-in seeds stay small; a crash
# leaves its input in build/fuzz/findings/.
# Usage: bash scripts/fuzz.sh [seconds-per-fuzzer] [fuzzer names...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
bash scripts/need.sh cmake ninja-build clang libclang-rt-14-dev pkg-config libzip-dev libexpat1-dev nettle-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

names=("$@")
if ((${#names[@]} == 0)); then
  for f in fuzz/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi

mkdir -p build/fuzz/findings
passed=0
failed=0
for name in "${names[@]}"; do
  echo "=== fuzz_$name: ${seconds}s ==="
  work=build/fuzz/corpus/$name
  mkdir -p "$work" "fuzz/corpus/$name"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build/fuzz/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/"$name"- -max_len=8192 -timeout=10 \
    "$work" "fuzz/corpus/$name" && passed=$((passed + 1)) || failed=$((failed + 1))
done
echo "fuzzers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
