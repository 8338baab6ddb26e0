#!/usr/bin/env bash
# The floor benchmark: how far above the least possible work qrvex-export
# and its peers are.  For each workload (a 1M- and a 10M-cell XLSX, a
# 1M-cell ODS, the 500-page DOCX and the same book as ODT, 200 small
# documents in one batch) it prints one table: qrvex-export to HTML, the
# floor (bench_floor: inflate the XML members with libzip, parse them with
# expat, nothing else) and each peer that is installed (LibreOffice,
# pandoc for texts, SheetJS for spreadsheets), with wall and CPU seconds,
# peak memory, CPU over the floor's CPU and each peer over qrvex-export.
# qrvex-export and the floor are the medians of three runs after a
# warm-up (a short run repeated to take two seconds); a peer runs once,
# stopped after QRV_FLOOR_TIMEOUT seconds.
# Ends with the batch's --jobs 2 over --jobs 1 and the 1M to 10M scaling.
# Not run by CI; the whole run takes a quarter of an hour or more.
#
# Usage: bash bench/floor.sh [build/release]
#   QRV_FLOOR_ONLY="xlsx1m docx"  run only these of: xlsx1m xlsx10m ods docx odt batch
#   QRV_FLOOR_PEERS_10M=1         also LibreOffice on the 10M-cell workbook
#   QRV_FLOOR_TIMEOUT=300         seconds a peer may take
#   QRV_FLOOR_PEERS=build/bench-peers
#       where SheetJS was installed: npm install --prefix build/bench-peers xlsx
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/release}
only=" ${QRV_FLOOR_ONLY:-xlsx1m xlsx10m ods docx odt batch} "
limit=${QRV_FLOOR_TIMEOUT:-300}
sheetjs_modules=$(realpath -m "${QRV_FLOOR_PEERS:-build/bench-peers}/node_modules")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/measure.sh

cmake --build "$build" -j2 --target qrvex-export bench_floor bench_make_workbook bench_make_spreadsheet \
  bench_docx_import >/dev/null

wanted() { [[ $only == *" $1 "* ]]; }
notes=()
note() { notes+=("$*"); }
floor_cpu= ours_cpu= ours_wall=

lo=(soffice -env:UserInstallation="file://$work/profile" --headless)
lo_name= pandoc_name= sheetjs_name=
if command -v soffice >/dev/null; then
  lo_name="LibreOffice $(soffice --version | awk '{ print $2 }')"
  # the first start makes the profile
  "${lo[@]}" --convert-to html --outdir "$work/warm-up" samples/report.docx >/dev/null 2>&1 || true
else
  note "LibreOffice (soffice) is not installed: its rows and the ODT workload are left out"
fi
if command -v pandoc >/dev/null; then
  pandoc_name="pandoc $(pandoc --version | awk 'NR == 1 { print $2 }')"
else
  note "pandoc is not installed: its rows are left out"
fi
if command -v node >/dev/null && [[ -f $sheetjs_modules/xlsx/package.json ]]; then
  sheetjs_name="SheetJS $(node -p "require('$sheetjs_modules/xlsx/package.json').version")"
else
  note "SheetJS is not in $sheetjs_modules (npm install --prefix DIR xlsx, then QRV_FLOOR_PEERS=DIR):" \
    "its rows are left out"
fi

# a / b as "N.Nx" (or "-")
ratio_x() {
  local r
  r=$(ratio "$1" "$2")
  [[ $r == - ]] && echo - || echo "${r}x"
}
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

line() { printf '%-14s %-22s %8s %8s %9s %10s %10s %11s %7s\n' "$@" | sed 's/ *$//'; }
line workload converter "wall s" "CPU s" "peak MiB" "CPU/floor" "CPU/QRVEX" "wall/QRVEX" "docs/s"

# One row: workload, converter, "wall CPU KiB" (or why there is none), the
# role (ours, floor, peer) and, for a batch, how many documents it took.
# The ratios are to the workload's $floor_cpu and $ours_wall/$ours_cpu.
row() {
  local wall cpu rss over_floor=- cpu_ratio=- wall_ratio=- rate=
  read -r wall cpu rss <<<"$3"
  if [[ -z ${rss:-} ]]; then
    line "$1" "$2" "$3" - - - - -
    return
  fi
  [[ -z $floor_cpu ]] || over_floor=$(ratio_x "$cpu" "$floor_cpu")
  if [[ $4 == peer ]]; then
    cpu_ratio=$(ratio_x "$cpu" "$ours_cpu")
    wall_ratio=$(ratio_x "$wall" "$ours_wall")
  fi
  [[ -z ${5:-} ]] || rate=$(awk -v n="$5" -v w="$wall" 'BEGIN { printf "%.1f", n / (w < 0.01 ? 0.01 : w) }')
  line "$1" "$2" "$wall" "$cpu" "$(mib "$rss")" "$over_floor" "$cpu_ratio" "$wall_ratio" "$rate"
}

# One run of a peer under the timeout: its measurement, or "timeout", or
# "failed" when it failed or did not write $1.
peer() {
  local output=$1 result status=0
  shift
  rm -f "$output"
  result=$(measure timeout -k 10 "$limit" "$@" 2>"$work/peer-errors") || status=$?
  if ((status == 124 || status == 137)); then
    echo timeout
  elif ((status != 0)) || [[ ! -s $output ]]; then
    echo failed
  else
    echo "$result"
  fi
}

peer_row() {  # workload, converter, output, command...
  local result
  result=$(peer "${@:3}")
  [[ $result != failed ]] || note "$2 on $1: $(head -c 300 "$work/peer-errors" | tr '\n' ' ')"
  row "$1" "$2" "$result" peer
}

lo_row() {  # workload, package
  [[ -z $lo_name ]] || peer_row "$1" "$lo_name" "$work/lo/$(basename "${2%.*}").html" \
    "${lo[@]}" --convert-to html --outdir "$work/lo" "$2"
}
pandoc_row() {
  [[ -z $pandoc_name ]] || peer_row "$1" "$pandoc_name" "$work/pandoc.html" pandoc "$2" -t html -o "$work/pandoc.html"
}
sheetjs_row() {
  [[ -z $sheetjs_name ]] || peer_row "$1" "$sheetjs_name" "$work/sheetjs.html" \
    env NODE_PATH="$sheetjs_modules" node bench/sheetjs_html.js "$2" "$work/sheetjs.html"
}

# The median of three of enough runs in a row to take about two seconds,
# per run: a document that takes a few milliseconds is not lost in
# /usr/bin/time's 10 ms.  The first run is the warm-up.
timed() {
  local once runs result
  once=$(measure "$@") || return
  runs=$(awk -v w="${once%% *}" 'BEGIN { n = int(2 / (w < 0.01 ? 0.01 : w)); print n < 1 ? 1 : (n > 100 ? 100 : n) }')
  if ((runs == 1)); then
    median_of_three "$@"
    return
  fi
  result=$(median_of_three bash -c 'for ((i = 0; i < $0; ++i)); do "$@" || exit; done' "$runs" "$@") || return
  awk -v n="$runs" '{ printf "%.3f %.3f %d\n", $1 / n, $2 / n, $3 }' <<<"$result"
}

# One package: qrvex-export, the same with every part parsed on the
# thread that handles it (QRVEX_READ_AHEAD_FROM=0: its ratios to
# qrvex-export are what the second processor gives) and the floor, with
# what the floor read as a note, then each peer named (lo, pandoc,
# sheetjs).
declare -A ours_of
package_workload() {  # workload, package, peers...
  local name=$1 package=$2 ours one_thread floor peer
  shift 2
  ours=$(timed "$build/bin/qrvex-export" "$package" -q -o "$work/ours.html") || ours=failed
  floor=$(timed "$build/bin/bench_floor" "$package") || floor=failed
  ours_of[$name]=$ours
  read -r ours_wall ours_cpu _ <<<"$ours"
  read -r _ floor_cpu _ <<<"$floor"
  row "$name" qrvex-export "$ours" ours
  one_thread=$(timed env QRVEX_READ_AHEAD_FROM=0 "$build/bin/qrvex-export" "$package" -q -o "$work/ours.html") ||
    one_thread=failed
  row "$name" "qrvex-export, 1 thread" "$one_thread" peer
  row "$name" "floor (libzip, expat)" "$floor" floor
  note "$name: $(basename "$package") is $(stat -c %s "$package") bytes;" \
    "the floor read $("$build/bin/bench_floor" "$package")"
  for peer in "$@"; do "${peer}_row" "$name" "$package"; done
  rm -f "$package"
}

peers_10m=
[[ -z ${QRV_FLOOR_PEERS_10M:-} ]] || peers_10m=lo
if wanted xlsx1m; then
  "$build/bin/bench_make_workbook" "$work/cells-1m.xlsx" 100000 >/dev/null
  package_workload "1M-cell XLSX" "$work/cells-1m.xlsx" lo sheetjs
fi
if wanted xlsx10m; then
  "$build/bin/bench_make_workbook" "$work/cells-10m.xlsx" 1000000 >/dev/null
  package_workload "10M-cell XLSX" "$work/cells-10m.xlsx" $peers_10m
fi
if wanted ods; then
  "$build/bin/bench_make_spreadsheet" "$work/cells-1m.ods" 100000 >/dev/null
  package_workload "1M-cell ODS" "$work/cells-1m.ods" lo sheetjs
fi
if wanted docx; then
  "$build/bin/bench_docx_import" --write-docx "$work/book.docx" >/dev/null
  package_workload "500-page DOCX" "$work/book.docx" lo pandoc
fi
if wanted odt && [[ -n $lo_name ]]; then
  "$build/bin/bench_docx_import" --write-docx "$work/book.docx" >/dev/null
  "${lo[@]}" --convert-to odt --outdir "$work" "$work/book.docx" >/dev/null 2>&1 || true
  package_workload "500-page ODT" "$work/book.odt" lo pandoc
fi

# 200 copies of the office documents of samples/ (the .qrvt samples that
# bench_batch takes are not read by the peers), converted in one call each.
if wanted batch; then
  batch=("samples/report.docx" "samples/budget.xlsx")
  mkdir -p "$work/batch"
  for ((i = 0; i < 200; ++i)); do
    sample=${batch[i % ${#batch[@]}]}
    cp "$sample" "$work/batch/doc-$i-$(basename "$sample")"
  done
  documents=("$work/batch"/doc-*)
  floor_cpu=
  wall_of_jobs=()
  for jobs in 1 2; do
    result=$(timed "$build/bin/qrvex-export" -q --jobs "$jobs" --output-dir "$work/out-$jobs" \
      "${documents[@]}")
    read -r wall_of_jobs[$jobs] ours_cpu _ <<<"$result"
    ((jobs == 1)) && { ours_wall=${wall_of_jobs[1]}; jobs1_cpu=$ours_cpu; }
    row "200 documents" "qrvex-export --jobs $jobs" "$result" ours 200
  done
  ours_cpu=$jobs1_cpu
  if [[ -n $lo_name ]]; then
    mkdir -p "$work/lo-batch"
    result=$(peer "$work/lo-batch/doc-0-report.html" "${lo[@]}" --convert-to html --outdir "$work/lo-batch" \
      "${documents[@]}")
    row "200 documents" "$lo_name" "$result" peer 200
    converted=$(find "$work/lo-batch" -name 'doc-*.html' | wc -l)
    ((converted == 200)) || note "$lo_name wrote $converted of the 200 documents"
  fi
  note "200 documents: --jobs 2 converts $(ratio_x "${wall_of_jobs[1]}" "${wall_of_jobs[2]}") the documents" \
    "per second of --jobs 1 (the peer's ratios are to --jobs 1)"
fi

if [[ -n ${ours_of[1M-cell XLSX]:-} && -n ${ours_of[10M-cell XLSX]:-} ]]; then
  read -r _ cpu1 rss1 <<<"${ours_of[1M-cell XLSX]}"
  read -r _ cpu10 rss10 <<<"${ours_of[10M-cell XLSX]}"
  note "1M to 10M cells (XLSX): qrvex-export's CPU $(ratio_x "$cpu10" "$cpu1") (ideal 10x)," \
    "peak memory $(mib "$rss1") MiB to $(mib "$rss10") MiB (ideal flat)"
fi

echo
printf '%s\n' "${notes[@]}"
