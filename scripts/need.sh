#!/usr/bin/env bash
# Installs the Debian packages named that are not installed yet, with one
# `apt-get update` first; a name of the form NAME:i386 also adds the i386
# architecture.  Prints what it installed and how long that took.
# Usage: bash scripts/need.sh PACKAGE...
set -euo pipefail

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
   ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
start=$(date +%s)
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "need.sh: installed ${missing[*]} in $(( $(date +%s) - start )) s"
