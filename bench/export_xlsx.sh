#!/usr/bin/env bash
# The XLSX export benchmark (bench/export_spreadsheet.sh xlsx).
# Usage: bash bench/export_xlsx.sh [build/release] [rows]
exec bash "$(dirname "$0")/export_spreadsheet.sh" xlsx "$@"
