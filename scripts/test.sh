#!/usr/bin/env bash
# Installs what the tests need and builds and runs the whole test suite in
# each preset given (default: the release build, the Debug build with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the 32-bit build).
# Each preset ends with a line "PRESET: N passed, N failed".
# Usage: bash scripts/test.sh [release] [debug] [m32] [tsan]
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
((${#presets[@]})) || presets=(release debug m32)

packages=() i386_packages=()
if [[ " ${presets[*]} " == *" m32 "* ]]; then
  # The 32-bit build links i386 libraries from Debian's multiarch archive,
  # and runs its programs under qemu-i386 where the kernel cannot.
  i386_packages=(g++-multilib libzip-dev:i386 libexpat1-dev:i386 nettle-dev:i386)
  # Where the kernel cannot, every 32-bit program goes straight to qemu
  # (trying it natively first would leave the shell's complaint on stderr).
  bash scripts/i386-runs.sh || { packages+=(qemu-user); export QRV_I386=no; }
fi
bash scripts/need-tests.sh "${packages[@]}"
# A mirror whose i386 index is stale beside its amd64 one cannot give i386
# libraries of the versions installed (they must match): the 32-bit build
# then leaves out the readers of packages, which need libzip, expat and
# nettle for i386, and builds and tests the rest (the library with its
# records, the toolkit, the filters) with the multilib compiler alone.
m32_options=()
if ((${#i386_packages[@]})) && ! bash scripts/need.sh "${i386_packages[@]}"; then
  echo "m32: without the readers of packages: the mirror could not give the i386 libraries (apt's reason above)"
  bash scripts/need.sh g++-multilib
  m32_options=(-DQRV_BUILD_IMPORTERS=OFF)
fi

for preset in "${presets[@]}"; do
  echo "=== $preset ==="
  # The release build of scripts/setup.sh left its tests and benchmarks out.
  extra=()
  [ "$preset" != release ] || extra=(-DQRV_BUILD_BENCH=ON)
  [ "$preset" != m32 ] || extra=("${m32_options[@]}")
  cmake --preset "$preset" -DQRV_BUILD_TESTS=ON "${extra[@]}" >/dev/null
  cmake --build --preset "$preset"
  bash scripts/ctest-counts.sh "$preset" --preset "$preset" -j "$(nproc)"
done
