#!/usr/bin/env bash
# Configures and builds Olm in build/ (tests and benchmarks included).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if [ ! -f "$root/build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$root/build" "${generator[@]}" -DOLM_BUILD_BENCH=ON
fi
cmake --build "$root/build" -j "$(nproc)"
