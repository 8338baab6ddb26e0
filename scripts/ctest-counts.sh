#!/usr/bin/env bash
# Runs ctest with the arguments given, shows its output, and ends with one
# line "LABEL: N passed, N failed" from its summary.  Exits as ctest did.
# Usage: bash scripts/ctest-counts.sh LABEL CTEST-ARGUMENTS...
set -uo pipefail
label=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
echo "$label: $(( ${total:-0} - ${failed:-0} )) passed, ${failed:-0} failed"
exit "$status"
