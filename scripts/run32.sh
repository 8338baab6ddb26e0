#!/usr/bin/env bash
# Runs a 32-bit x86 program: natively where the kernel runs 32-bit programs,
# else under qemu-i386 (user-mode emulation, Debian package qemu-user).  The
# shell answers 126 (and says "cannot execute binary file") when the kernel
# cannot execute the file at all, which no test program returns.
# QRV_RUN32_MODE=qemu or =native forces one way; QRV_I386=no (a machine
# taken as one that cannot run i386 programs) means qemu.
mode=${QRV_RUN32_MODE:-auto}
[ "$mode" != auto ] || [ "${QRV_I386:-}" != no ] || mode=qemu
if [ "$mode" != qemu ]; then
  "$@"
  rc=$?
  if [ "$rc" -ne 126 ] || [ "$mode" = native ]; then exit "$rc"; fi
  echo "run32.sh: not run natively; under qemu-i386 instead" >&2
fi
# Tests that start a copy of themselves read this (see tests/platform).
export QRV_RUN32_QEMU=1
exec qemu-i386 "$@"
