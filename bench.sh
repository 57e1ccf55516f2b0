#!/usr/bin/env bash
# Builds Release and runs the benchmarks; arguments go to Google Benchmark
# (for example ./bench.sh --benchmark_format=json). Then the command line's start
# against a bare QCoreApplication start (scripts/measure-cli-startup.sh), on
# standard error so that the benchmark's own output stays as it asks.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINCTORA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target tinctora_bench tinctora tinctora_bare_start >&2
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build-release/bench/tinctora_bench "$@"
scripts/measure-cli-startup.sh build-release >&2
