#!/usr/bin/env bash
# Configures and builds Olm in build/: the targets named as arguments, or
# everything (tests and benchmarks included) when none is named.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if [ ! -f "$root/build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$root/build" "${generator[@]}" -DOLM_BUILD_BENCH=ON
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$root/build" -j "$(nproc)" "${targets[@]}"
