#!/usr/bin/env bash
# Installs the Debian packages named that are not installed yet, with one
# `apt-get update` first; a name of the form NAME:i386 also adds the i386
# architecture.  Prints what it installed and how long that took.  A mirror
# caught in the middle of a sync, or serving a stale index, fails the
# update for that one index ("File has unexpected size ... Mirror sync in
# progress?") while the others are fresh: the update is tried twice, and
# then the install goes on with the indexes there are (it fails, with
# apt's reason, only if a package cannot be had from them).  apt retries
# each download itself.
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
if ! $sudo apt-get update -qq; then
  echo "need.sh: apt-get update failed; trying again in 20 s" >&2
  sleep 20
  $sudo apt-get update -qq || echo "need.sh: apt-get update failed again; installing from the indexes there are" >&2
fi
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends -o Acquire::Retries=3 \
  "${missing[@]}" >/dev/null
echo "need.sh: installed ${missing[*]} in $(( $(date +%s) - start )) s"
