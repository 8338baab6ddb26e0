#!/usr/bin/env bash
# The generated 500-page Word document (bench_docx_import --write-docx),
# the same book saved as Word 97-2003 by LibreOffice (.doc), the same book
# as RTF (bench/make_rtf.py) and the 1,000-slide presentation
# (bench_slides_export --write-pptx) converted to HTML by qrvex-export and by
# LibreOffice (soffice --headless --convert-to html), each under
# /usr/bin/time -v, best of three runs after a warm-up; prints wall time,
# CPU time and peak memory side by side, and the RTF export's CPU time
# against a plain `wc -w` over the same file (means of 20 runs).
# LibreOffice is a peer for local comparison only; CI does not run this.
# Usage: bash bench/docx_peer.sh [build/release]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/bench_docx_import" --write-docx "$work/book.docx"
"$build/bin/bench_slides_export" --write-pptx "$work/talk.pptx"
python3 bench/make_rtf.py "$work/book.rtf"
profile="file://$work/profile"
soffice -env:UserInstallation="$profile" --headless --convert-to doc --outdir "$work" "$work/book.docx" >/dev/null

source bench/measure.sh

lo="LibreOffice $(soffice --version | awk '{print $2}')"
printf '%-18s %-22s %10s %10s %12s\n' "document" "converter" "wall s" "CPU s" "peak MiB"

# One document converted by each, a row each, then the ratios.
compare() {
  local label=$1 file=$2 ours theirs
  ours=$(best_of_three "$build/bin/qrvex-export" "$file" -q -o "$work/ours.html")
  theirs=$(best_of_three soffice -env:UserInstallation="$profile" --headless --convert-to html --outdir "$work" "$file")
  for row in "qrvex-export:$ours" "$lo:$theirs"; do
    read -r wall cpu rss <<<"${row#*:}"
    printf '%-18s %-22s %10s %10s %12.1f\n' "$label" "${row%%:*}" "$wall" "$cpu" "$(echo "$rss / 1024" | bc -l)"
  done
  read -r ow oc orss <<<"$ours"
  read -r tw tc trss <<<"$theirs"
  ratios+=("$(printf '%s: LibreOffice / qrvex-export: wall %.1fx, CPU %.1fx, memory %.1fx' "$label" \
    "$(echo "$tw / $ow" | bc -l)" "$(echo "$tc / $oc" | bc -l)" "$(echo "$trss / $orss" | bc -l)")")
}

# Mean CPU seconds of one run of a command, over 20 runs.
cpu_per_run() {
  python3 - "$@" <<'PY'
import resource, subprocess, sys
runs = 20
for _ in range(runs):
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print(f"{(usage.ru_utime + usage.ru_stime) / runs:.4f}")
PY
}

ratios=()
compare "500-page DOCX" "$work/book.docx"
compare "500-page DOC" "$work/book.doc"
compare "500-page RTF" "$work/book.rtf"
compare "1,000-slide PPTX" "$work/talk.pptx"
printf '\n'
printf '%s\n' "${ratios[@]}"
rtf_cpu=$(cpu_per_run "$build/bin/qrvex-export" "$work/book.rtf" -q -o "$work/ours.html")
wc_cpu=$(cpu_per_run wc -w "$work/book.rtf")
# A one-paragraph RTF: what starting the program and loading its libraries costs.
printf '{\\rtf1 One paragraph.\\par}' >"$work/tiny.rtf"
start_cpu=$(cpu_per_run "$build/bin/qrvex-export" "$work/tiny.rtf" -q -o "$work/tiny.html")
printf '500-page RTF: qrvex-export %.4f s of CPU (%.4f s of it starting), wc -w %.4f s: %.1fx wc -w, %.1fx without the start\n' \
  "$rtf_cpu" "$start_cpu" "$wc_cpu" "$(echo "$rtf_cpu / $wc_cpu" | bc -l)" "$(echo "($rtf_cpu - $start_cpu) / $wc_cpu" | bc -l)"
