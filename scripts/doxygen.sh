#!/usr/bin/env bash
# Generates the API reference of include/qrvex/ into build/apidoc/html with
# the Doxyfile at the top of the tree, installing doxygen first if it is
# missing.  Any warning (an undocumented function, record or field among
# them) fails the run.  Ends with one line "doxygen: N passed, N failed".
# Usage: bash scripts/doxygen.sh
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/need.sh doxygen || true
if ! command -v doxygen >/dev/null 2>&1; then
  echo "doxygen: not installed and could not be installed"
  echo "doxygen: 0 passed, 1 failed"
  exit 1
fi

out=build/apidoc
log=$out/warnings.log
rm -rf "$out/html"
mkdir -p "$out"
: >"$log"
doxygen Doxyfile 2>"$log"
status=$?
warnings=$(grep -cE ': (warning|error): ' "$log" || true)
[ -s "$log" ] && cat "$log"
echo "doxygen $(doxygen --version): $warnings warning(s); reference in $out/html/index.html"
if [ "$status" -eq 0 ] && [ "$warnings" -eq 0 ] && [ ! -s "$log" ]; then
  echo "doxygen: 1 passed, 0 failed"
  exit 0
fi
echo "doxygen: 0 passed, 1 failed"
exit 1
