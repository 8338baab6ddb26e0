#!/usr/bin/env bash
# How the export's cost grows with what a document repeats: for each shape
# of bench/scaling_documents.py (many tables, a long basedOn chain in DOCX
# and ODT, many headings, one long CSV line) at 10k, 20k, 40k and 100k
# elements, qrvex-export to HTML under /usr/bin/time; prints wall and CPU
# seconds, peak memory, and CPU time and memory per element (memory above
# that of the same shape with one element), so a line whose per-element
# cost grows with the count is a path that is not linear.  CPU time, not
# wall time, is what to compare on a shared machine.
# Usage: bash bench/scaling.sh [build/release] [SHAPE...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
shift || true
shapes=("$@")
[ ${#shapes[@]} -gt 0 ] || shapes=(tables chain-docx chain-odt headings csv)
counts=(${QRV_SCALING_COUNTS:-10000 20000 40000 100000})
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

extension() {
  case $1 in chain-odt) echo odt ;; csv) echo csv ;; *) echo docx ;; esac
}

# wall seconds, CPU seconds and peak resident kilobytes of one export
measure() {
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$build/bin/qrvex-export" "$1" -q -o "$work/out.html" \
    >/dev/null 2>"$work/err" || { echo "export failed: $(head -1 "$work/err")" >&2; }
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time"
}

printf '%-11s %8s %8s %8s %9s %13s %12s\n' shape count "wall s" "CPU s" "peak MiB" "CPU us/elem" "KiB/elem"
for shape in "${shapes[@]}"; do
  input="$work/$shape.$(extension "$shape")"
  python3 bench/scaling_documents.py "$shape" 1 "$input"
  read -r _ _ base <<<"$(measure "$input")"
  for count in "${counts[@]}"; do
    python3 bench/scaling_documents.py "$shape" "$count" "$input"
    read -r wall cpu rss <<<"$(measure "$input")"
    awk -v s="$shape" -v n="$count" -v w="$wall" -v c="$cpu" -v r="$rss" -v b="$base" 'BEGIN {
      printf "%-11s %8d %8.2f %8.2f %9.1f %13.2f %12.3f\n", s, n, w, c, r / 1024, c * 1e6 / n, (r - b) / n }'
  done
done
