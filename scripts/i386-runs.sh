#!/usr/bin/env bash
# Exits 0 when this kernel executes i386 programs, 1 when it cannot (some
# machines have no 32-bit support at all).  It writes a 96-byte static i386
# program that only exits with status 42 and runs it, so no 32-bit compiler
# or library is needed to ask.  QRV_I386=no answers "cannot" without asking.
set -uo pipefail
[ "${QRV_I386:-}" = no ] && exit 1
# In the build folder: a temporary folder may be mounted noexec.
cd "$(dirname "$0")/.." && mkdir -p build || exit 1
program=$(mktemp build/qrv-i386.XXXXXX)
trap 'rm -f "$program"' EXIT
# ELF header, one loadable segment, then: mov eax,1; mov ebx,42; int 0x80.
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
  '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
  '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
  '\x00\x10\x00\x00' \
  '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$program"
chmod +x "$program"
"$program" 2>/dev/null
[ $? -eq 42 ]
