#!/usr/bin/env bash
# The outputs benchmark: the generated 500-page Word document
# (bench_docx_import --write-docx) and the 1,000,000-cell workbook
# (bench_make_workbook, 100,000 rows) exported to HTML, Markdown and JSON,
# each the best of three runs under /usr/bin/time: wall time, CPU time and
# peak memory side by side.  Not run by CI.
# Usage: bash bench/outputs.sh [build/release] [rows]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
rows=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build "$build" --target qrvex-export bench_docx_import bench_make_workbook >/dev/null
"$build/bin/bench_docx_import" --write-docx "$work/book.docx" >/dev/null
"$build/bin/bench_make_workbook" "$work/cells.xlsx" "$rows" >/dev/null

# wall seconds, CPU seconds and peak resident kilobytes of one run
measure() {
  /usr/bin/time -f '%e %U %S %M' "$@" 2>"$work/time" >/dev/null || { cat "$work/time" >&2; exit 1; }
  awk '{ printf "%.2f %.2f %d\n", $1, $2 + $3, $4 }' "$work/time"
}

best_of_three() {
  for run in 1 2 3; do measure "$@"; done | sort -n | head -1
}

printf '%-22s %-10s %10s %10s %12s %12s\n' "document" "output" "wall s" "CPU s" "peak MiB" "output MiB"
for input in book.docx cells.xlsx; do
  for format in html markdown json; do
    read -r wall cpu rss <<<"$(best_of_three "$build/bin/qrvex-export" "$work/$input" -q --format "$format" \
      -o "$work/out")"
    size=$(stat -c %s "$work/out")
    printf '%-22s %-10s %10s %10s %12.1f %12.1f\n' "$input" "$format" "$wall" "$cpu" \
      "$(echo "$rss / 1024" | bc -l)" "$(echo "$size / 1048576" | bc -l)"
  done
done
