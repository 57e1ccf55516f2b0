#!/usr/bin/env bash
# Installs missing build dependencies, builds, and runs every test twice:
# once plainly and once under AddressSanitizer + UndefinedBehaviorSanitizer
# (leaks included). Prints how many tests ran in each and fails if the
# sanitizer run ran fewer than the plain one.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

phase_start=$SECONDS
phase() { # prints how long the phase before took, then the next phase's title
  if [ -n "${phase_name:-}" ]; then
    echo "-- $phase_name: $((SECONDS - phase_start)) s"
  fi
  phase_name=$1 phase_start=$SECONDS
  echo "== $1 =="
}

# Runs the tests of build folder $1 and sets `ran` to the number that ran (not skipped or disabled).
run_tests() {
  local results=$PWD/$1/ctest-results.xml
  rm -f "$results"
  ctest --test-dir "$1" --output-on-failure -j "$jobs" --output-junit "$results"
  ran=$(grep -c 'status="run"' "$results" || true)
  echo "$ran tests ran in $1"
}

phase "packages"
scripts/install-deps.sh
phase "configure"
# The suite runs no benchmark; building them here (./bench.sh measures a Release build) keeps
# them compiling at the cost of a few seconds, and the sanitizer build leaves them out.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINCTORA_WERROR=ON
phase "build"
cmake --build build -j "$jobs"
phase "tests"
run_tests build
plain=$ran

phase "sanitizer configure"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINCTORA_WERROR=ON \
  -DTINCTORA_SANITIZE=ON -DTINCTORA_BUILD_BENCH=OFF
phase "sanitizer build"
cmake --build build-asan -j "$jobs"
phase "tests under ASan + UBSan + LSan"
# shellcheck source=scripts/sanitizer-env.sh
source scripts/sanitizer-env.sh
run_tests build-asan
sanitized=$ran
phase "summary"

echo "total: $SECONDS s"
echo "tests run: $plain plain, $sanitized under the sanitizers"
if ((sanitized < plain)); then
  echo "FAIL: fewer tests ran under the sanitizers ($sanitized) than in the plain build ($plain)" >&2
  exit 1
fi
if ((plain == 0)); then
  echo "FAIL: no test ran" >&2
  exit 1
fi
