#!/usr/bin/env bash
# The win64 preset and its suite under 64-bit Wine (scripts/test-windows.sh).
exec bash "$(dirname "$0")/test-windows.sh" win64 "$@"
