#!/usr/bin/env bash
# Instructions per item of benchmarks, counted by callgrind: a steady figure
# where the machine is shared and times move with its load.  Each benchmark
# runs one iteration; its count is what the benchmark's body executed
# (inputs drawn before the benchmarks run are not counted), or, with
# FUNCTION set, what the first function whose name matches that regular
# expression executed, calls included; divided by ITEMS.
# Usage: [ITEMS=n] [FUNCTION=regex] bash scripts/instructions.sh BENCH_PROGRAM REGEX...
set -euo pipefail
program=$1
shift
items=${ITEMS:-1000000}
function=${FUNCTION:-'Benchmark<.*>::Run\(benchmark::State&\)'}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for filter in "$@"; do
  valgrind --tool=callgrind "--callgrind-out-file=$out/cg" "$program" "--benchmark_filter=$filter" \
    --benchmark_min_time=0.000001 >/dev/null 2>"$out/log"
  callgrind_annotate --inclusive=yes --threshold=100 "$out/cg" 2>/dev/null >"$out/annotated"
  count=$({ grep -E "$function" "$out/annotated" || true; } | head -1 | awk '{gsub(",", "", $1); print $1 + 0}')
  awk -v count="${count:-0}" -v items="$items" -v name="$filter" \
    'BEGIN { printf "%-44s %8.0f instructions per item\n", name, count / items }'
done
