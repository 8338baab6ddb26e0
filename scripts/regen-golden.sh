#!/usr/bin/env bash
# Regenerates the expected HTML and text of every sample document from the
# release build of qrvex-export.  Review the difference (git diff samples/)
# before committing it: the golden tests compare against these files.
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
  echo "regenerated $base.html $base.txt"
done
