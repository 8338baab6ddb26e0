#!/usr/bin/env bash
# The spreadsheet export benchmark: generates a 1,000,000-cell workbook
# (xlsx, xlsb) or spreadsheet (ods) and times the whole export to HTML (wall
# time and peak memory, /usr/bin/time) beside LibreOffice when it is
# installed.  xls is LibreOffice's save of the XLSX (at most 65,536 rows, a
# sheet's limit there), so it needs LibreOffice.  Not run by CI.
# Usage: bash bench/export_spreadsheet.sh xlsx|xlsb|xls|ods [build/release] [rows]
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:?usage: export_spreadsheet.sh xlsx|xlsb|xls|ods [build] [rows]}
build=${2:-build/release}
rows=${3:-100000}
case "$kind" in
  xlsx) generator=bench_make_workbook ;;
  xlsb) generator=bench_make_binary_workbook ;;
  xls) generator=bench_make_workbook ;;
  ods) generator=bench_make_spreadsheet ;;
  *) echo "unknown kind $kind" >&2; exit 2 ;;
esac
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$build" --target qrvex-export "$generator" >/dev/null
if [ "$kind" = xls ]; then
  command -v soffice >/dev/null || { echo "xls needs LibreOffice to write the workbook" >&2; exit 2; }
  ((rows <= 65536)) || rows=65536
  "$build/bin/$generator" "$work/big.xlsx" "$rows"
  soffice --headless --convert-to xls --outdir "$work" "$work/big.xlsx" >/dev/null
else
  "$build/bin/$generator" "$work/big.$kind" "$rows"
fi
report='%e s wall, %U s user, %S s sys, %M KiB peak'
echo "qrvex-export:"
/usr/bin/time -f "$report" "$build/bin/qrvex-export" "$work/big.$kind" -o "$work/big.html" -q
if command -v soffice >/dev/null; then
  echo "LibreOffice:"
  /usr/bin/time -f "$report" soffice --headless --convert-to html --outdir "$work/peer" "$work/big.$kind" >/dev/null
fi
