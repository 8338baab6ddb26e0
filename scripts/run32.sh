#!/usr/bin/env bash
# Runs a 32-bit x86 program under qemu-i386 (user-mode emulation, Debian
# package qemu-user): not every x86-64 kernel runs 32-bit programs.  Set
# QRV_RUN32_MODE=native where the kernel does.
if [ "${QRV_RUN32_MODE:-qemu}" = native ]; then exec "$@"; fi
exec qemu-i386 "$@"
