#!/usr/bin/env bash
# The outputs benchmark: the generated 500-page Word document
# (bench_docx_import --write-docx) and the 1,000,000-cell workbook
# (bench_make_workbook, 100,000 rows) exported to HTML, Markdown and JSON,
# each the best of three runs after a warm-up under /usr/bin/time: wall
# time, CPU time and peak memory side by side, and the Word document through
# pandoc -t gfm beside them where pandoc is installed (left out where it is
# not).  The ratios at the end compare runs of this one invocation.  Not run
# by CI.
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

source bench/measure.sh

row() {  # document, output, wall, cpu, peak KiB, output bytes
  printf '%-22s %-12s %10s %10s %12.1f %12.1f\n' "$1" "$2" "$3" "$4" "$(echo "$5 / 1024" | bc -l)" \
    "$(echo "$6 / 1048576" | bc -l)"
}

declare -A wall_of
printf '%-22s %-12s %10s %10s %12s %12s\n' "document" "output" "wall s" "CPU s" "peak MiB" "output MiB"
for input in book.docx cells.xlsx; do
  for format in html markdown json; do
    read -r wall cpu rss <<<"$(best_of_three "$build/bin/qrvex-export" "$work/$input" -q --format "$format" \
      -o "$work/out")"
    wall_of[$input.$format]=$wall
    row "$input" "$format" "$wall" "$cpu" "$rss" "$(stat -c %s "$work/out")"
  done
done
if command -v pandoc >/dev/null; then
  read -r wall cpu rss <<<"$(best_of_three pandoc "$work/book.docx" -t gfm -o "$work/out.md")"
  wall_of[book.docx.pandoc]=$wall
  row book.docx "pandoc gfm" "$wall" "$cpu" "$rss" "$(stat -c %s "$work/out.md")"
fi

echo
for input in book.docx cells.xlsx; do
  echo "$input: Markdown takes $(ratio "${wall_of[$input.markdown]}" "${wall_of[$input.html]}")x the HTML's wall time"
done
if [[ -n ${wall_of[book.docx.pandoc]:-} ]]; then
  echo "book.docx: pandoc -t gfm takes $(ratio "${wall_of[book.docx.pandoc]}" "${wall_of[book.docx.markdown]}")x" \
    "the Markdown's wall time"
fi
