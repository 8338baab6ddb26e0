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
# is then left out with apt's reason above, and the rest runs.
if ((${#i386_packages[@]})) && ! bash scripts/need.sh "${i386_packages[@]}"; then
  echo "m32: left out: the mirror could not give the i386 packages (apt's reason above)"
  kept=()
  for preset in "${presets[@]}"; do [ "$preset" = m32 ] || kept+=("$preset"); done
  presets=("${kept[@]}")
fi

for preset in "${presets[@]}"; do
  echo "=== $preset ==="
  # The release build of scripts/setup.sh left its tests and benchmarks out.
  extra=()
  [ "$preset" != release ] || extra=(-DQRV_BUILD_BENCH=ON)
  cmake --preset "$preset" -DQRV_BUILD_TESTS=ON "${extra[@]}" >/dev/null
  cmake --build --preset "$preset"
  bash scripts/ctest-counts.sh "$preset" --preset "$preset" -j "$(nproc)"
done
