#!/usr/bin/env bash
# The XLSX export benchmark: generates a 1,000,000-cell workbook and times
# the whole export to HTML (wall time and peak memory, /usr/bin/time) beside
# LibreOffice when it is installed.  Not run by CI.
# Usage: bash bench/export_xlsx.sh [build/release] [rows]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
rows=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$build" --target qrvex-export bench_make_workbook >/dev/null
"$build/bin/bench_make_workbook" "$work/big.xlsx" "$rows"
report='%e s wall, %U s user, %S s sys, %M KiB peak'
echo "qrvex-export:"
/usr/bin/time -f "$report" "$build/bin/qrvex-export" "$work/big.xlsx" -o "$work/big.html" -q
if command -v soffice >/dev/null; then
  echo "LibreOffice:"
  /usr/bin/time -f "$report" soffice --headless --convert-to html --outdir "$work/peer" "$work/big.xlsx" >/dev/null
fi
