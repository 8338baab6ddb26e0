#!/usr/bin/env bash
# Regenerates the expected HTML, text and Markdown of every sample document from the
# release build of qrvex-export.  Review the difference (git diff samples/ tests/import/golden/)
# before committing it: the golden tests compare against these files.  The
# importers' golden pages (tests/import/golden/) are regenerated too.
# Usage: bash scripts/regen-golden.sh [path/to/qrvex-export]
set -euo pipefail
cd "$(dirname "$0")/.."

tool="${1:-build/release/bin/qrvex-export}"
if [ ! -x "$tool" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target qrvex-export
fi

for doc in samples/*.qrvt; do
  base="${doc%.qrvt}"
  "$tool" "$doc" --quiet --format html -o "$base.html"
  "$tool" "$doc" --quiet --format text -o "$base.txt"
  "$tool" "$doc" --quiet --format markdown -o "$base.md"
  echo "regenerated $base.html $base.txt $base.md"
done

# The importers' golden pages (tests/import/golden/), written by their test.
importer_tests="$(dirname "$tool")/test_import"
if [ -x "$importer_tests" ]; then
  QRV_REGEN_GOLDEN=1 "$importer_tests" --gtest_filter='*Golden*' >/dev/null
  echo "regenerated tests/import/golden/"
fi
