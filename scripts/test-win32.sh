#!/usr/bin/env bash
# Builds the win32 preset (qrvex.dll and the rest of the tree for 32-bit
# Windows, with MinGW-w64) and runs its whole suite under Wine, then prints
# how many tests ran and were skipped, with each skip's reason.
# Usage: bash scripts/test-win32.sh
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
reports=build/win32/test-reports

cmake --preset win32 >/dev/null
nice cmake --build --preset win32
rm -rf "$reports"
status=0
ctest --preset win32 -j "$(nproc)" || status=$?

# Every test program left a GoogleTest XML report; the other CTest tests
# (examples, the export table) count one each.
cases=$(cat "$reports"/*.xml 2>/dev/null | grep -c '<testcase ' || true)
skipped=$(cat "$reports"/*.xml 2>/dev/null | grep -c 'result="skipped"' || true)
failed=$(cat "$reports"/*.xml 2>/dev/null | grep -c '<failure ' || true)
programs=$(ls "$reports"/*.xml 2>/dev/null | wc -l)
others=$(ctest --preset win32 -N -E '^test_' | sed -n 's/^Total Tests: //p')
echo "win32 under Wine: $cases GoogleTest cases in $programs programs and $others other tests"
cat "$reports"/*.xml 2>/dev/null | tr '\r\n' '  ' |
  grep -o ' name="[^"]*" [^>]*result="skipped"[^>]* classname="[^"]*"> *<skipped message="[^"]*"' |
  sed -E 's/^ name="([^"]*)".* classname="([^"]*)".*message="[^"]*&#x0A;([^"]*)"$/  skipped \2.\1: \3/' |
  sed -e "s/&apos;/'/g" -e 's/&quot;/"/g' -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&amp;/\&/g' || true
echo "win32: $((cases - skipped - failed + others)) passed, $failed failed, $skipped skipped"
echo "win32 stage: $(( $(date +%s) - start )) s"
exit "$status"
