#!/usr/bin/env bash
# Builds Release and runs the benchmarks; arguments go to Google Benchmark
# (for example ./bench.sh --benchmark_format=json).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINCTORA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target tinctora_bench >&2
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
exec build-release/bench/tinctora_bench "$@"
