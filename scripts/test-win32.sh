#!/usr/bin/env bash
# The win32 preset and its suite under Wine (scripts/test-windows.sh).
exec bash "$(dirname "$0")/test-windows.sh" win32 "$@"
