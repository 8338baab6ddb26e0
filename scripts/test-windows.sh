#!/usr/bin/env bash
# Builds a Windows preset (win32: qrvex.dll and the rest of the tree for
# 32-bit Windows; win64: the same for x64) with MinGW-w64 and runs its whole
# suite under Wine, then prints how many tests passed, failed and were
# skipped, with each skip's reason.  It installs the cross compilers and
# Wine it needs.
#
# 32-bit Wine needs a kernel that executes i386 programs.  On one that
# cannot, only qrvex.dll (and the DLLs it links) is built and its export
# table checked (objdump needs no Wine), and the suite is reported as not
# run: the rest of the tree would be built for nothing.
# Usage: bash scripts/test-windows.sh win32|win64
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
preset=${1:?usage: test-windows.sh win32|win64}
reports=build/$preset/test-reports

case $preset in
  win32) compilers=(gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix); wine=(wine wine32:i386) ;;
  win64) compilers=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix); wine=(wine wine64) ;;
  *) echo "test-windows.sh: no preset $preset (win32 or win64)" >&2; exit 2 ;;
esac
runs=yes why="this kernel cannot execute i386 programs"
[ "$preset" = win64 ] || bash scripts/i386-runs.sh || runs=no
bash scripts/need.sh "${compilers[@]}"
# wine32 is an i386 package: a mirror whose i386 index is stale cannot give
# it, and the suite is then not run, as where the kernel cannot run it.
if [ "$runs" = yes ] && ! bash scripts/need.sh "${wine[@]}"; then
  [ "$preset" = win32 ] || exit 1
  runs=no why="the mirror could not give wine32 (apt's reason above)"
fi

cmake --preset "$preset" >/dev/null

if [ "$runs" = no ]; then
  # ExportSurface.objdump reads qrvex.dll alone.
  nice cmake --build --preset "$preset" --target qrvex
  ctest --preset "$preset" -R '^ExportSurface\.objdump$'
  echo "$preset under Wine: not run ($why)"
  echo "$preset export table: 1 passed, 0 failed"
  echo "$preset stage: $(( $(date +%s) - start )) s"
  exit 0
fi

nice cmake --build --preset "$preset"
rm -rf "$reports"
status=0
log=build/$preset/ctest-output.log
ctest --preset "$preset" -j "$(nproc)" --output-log "$log" || status=$?

# Now and then the Wine server drops a client ("wine client error: ...
# recvmsg: Connection reset by peer"), or a program starts while the server
# is going away ("a wine server seems to be running, but I cannot connect
# to it"), and the program dies before its first test.  That is Wine's
# fault, not the program's: run the failed programs once more, one at a
# time, and let that run decide.
if [ "$status" != 0 ] && grep -qE 'wine client error|wine server seems to be running' "$log"; then
  echo "$preset: a Wine client error stopped a program; running the failed ones again"
  wineserver -w 2>/dev/null || true
  status=0
  ctest --preset "$preset" --rerun-failed || status=$?
fi

# Every test program left a GoogleTest XML report; the other CTest tests
# (examples, the export table) count one each.
xml() { cat "$reports"/*.xml 2>/dev/null; }
cases=$(xml | grep -c '<testcase ' || true)
skipped=$(xml | grep -c 'result="skipped"' || true)
failed=$(xml | grep -c '<failure ' || true)
programs=$(ls "$reports"/*.xml 2>/dev/null | wc -l)
others=$(ctest --preset "$preset" -N -E '^test_' | sed -n 's/^Total Tests: //p')
echo "$preset under Wine: $cases GoogleTest cases in $programs programs and $others other tests"
xml | tr '\r\n' '  ' |
  grep -o ' name="[^"]*" [^>]*result="skipped"[^>]* classname="[^"]*"> *<skipped message="[^"]*"' |
  sed -E 's/^ name="([^"]*)".* classname="([^"]*)".*message="[^"]*&#x0A;([^"]*)"$/  skipped \2.\1: \3/' |
  sed -e "s/&apos;/'/g" -e 's/&quot;/"/g' -e 's/&lt;/</g' -e 's/&gt;/>/g' -e 's/&amp;/\&/g' || true
echo "$preset: $((cases - skipped - failed + others)) passed, $failed failed, $skipped skipped"
echo "$preset stage: $(( $(date +%s) - start )) s"
exit "$status"
