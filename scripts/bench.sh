#!/usr/bin/env bash
# Builds the optimised benchmarks and runs them all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTANDRIL_TESTS=OFF -DTANDRIL_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
for b in "$build"/bench/bench_*; do
  [[ -x $b ]] && "$b" "$@"
done
