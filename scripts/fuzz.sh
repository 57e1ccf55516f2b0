#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and fuzzes them, one
# target after the other, each in one process (one core).
#
#   scripts/fuzz.sh [SECONDS | -runs=N] [settings_file | path_record | palette_<reader> | palettes | all]
#
# The palette readers' targets are palette_gpl, palette_ase, palette_soc,
# palette_tokens, palette_css and palette_hexLines; "palettes" runs all six.
# Default: 60 seconds for each target. Each target's working corpus is
# kept outside the repository, in $FUZZ_WORK/<target>/corpus (FUZZ_WORK defaults
# to ~/.cache/tinctora-fuzz); a run starts from it and from the committed corpus
# tests/data/fuzz/<target>. Afterwards the inputs that reach coverage the
# committed corpus lacks are merged into it (-merge=1); commit them. A crash or a
# broken invariant stops the script; the input is in $FUZZ_WORK/<target>/artifacts.
# The figures of the last run are in $FUZZ_WORK/<target>/last-run.log.
# FUZZ_FLAGS adds libFuzzer flags to every run (e.g. FUZZ_FLAGS=-rss_limit_mb=4096).
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 [seconds|-runs=N] [settings_file|path_record|palette_<reader>|palettes|all]" >&2
  exit 2
}

limit=${1:-60}
which=${2:-all}
case "$limit" in
  -runs=[0-9]*) budget=("$limit") ;;
  '' | *[!0-9]*) usage ;;
  *) budget=("-max_total_time=$limit") ;;
esac
palette_targets=(palette_gpl palette_ase palette_soc palette_tokens palette_css palette_hexLines)
case "$which" in
  all) targets=(settings_file path_record "${palette_targets[@]}") ;;
  palettes) targets=("${palette_targets[@]}") ;;
  settings_file | path_record | palette_gpl | palette_ase | palette_soc | palette_tokens | palette_css | palette_hexLines)
    targets=("$which") ;;
  *) usage ;;
esac

# clang with libFuzzer's runtime, and what the core needs, the way test.sh gets its packages.
scripts/install-deps.sh cmake ninja-build qt6-base-dev clang libclang-rt-14-dev

build=build-fuzz
work=${FUZZ_WORK:-${XDG_CACHE_HOME:-$HOME/.cache}/tinctora-fuzz}
corpus_root=tests/data/fuzz

echo "== build ($build, clang) =="
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTINCTORA_FUZZ=ON -DTINCTORA_WERROR=ON >/dev/null
cmake --build "$build" -j "${FUZZ_BUILD_JOBS:-1}" \
  --target fuzz_make_seeds $(printf 'fuzz_%s ' "${targets[@]}")
# The seeds come from the program's own encoders; rewriting them changes nothing
# unless the formats changed.
"$build/fuzz/fuzz_make_seeds" "$corpus_root"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

for t in "${targets[@]}"; do
  case "$t" in
    settings_file) max_len=512 ;; # the format has 222 bytes; what follows is never read
    path_record) max_len=1024 ;; # frames of paths up to ~1000 bytes; the 32 KiB limit lies in the header
    palette_*) max_len=4096 ;; # a few dozen colours with names, groups and comments
  esac
  exe="$build/fuzz/fuzz_$t"
  committed="$corpus_root/$t"
  mkdir -p "$work/$t/corpus" "$work/$t/artifacts"
  echo "== fuzz $t (${budget[*]}) =="
  read -r -a extra <<<"${FUZZ_FLAGS:-}"
  echo "$exe ${budget[*]} -max_len=$max_len -print_final_stats=1 ${extra[*]} $work/$t/corpus $committed" \
    >"$work/$t/last-run.log"
  status=0
  "$exe" "${budget[@]}" -max_len="$max_len" -print_final_stats=1 "${extra[@]}" \
    -artifact_prefix="$work/$t/artifacts/" "$work/$t/corpus" "$committed" >>"$work/$t/last-run.log" 2>&1 ||
    status=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::' "$work/$t/last-run.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/$t/last-run.log" >&2
    echo "fuzz_$t found a problem; see $work/$t/last-run.log and $work/$t/artifacts" >&2
    exit 1
  fi
  before=$(find "$committed" -type f | wc -l)
  "$exe" -merge=1 -max_len="$max_len" "$committed" "$work/$t/corpus" >"$work/$t/merge.log" 2>&1
  after=$(find "$committed" -type f | wc -l)
  echo "committed corpus $committed: $before -> $after files; working corpus: $(find "$work/$t/corpus" -type f | wc -l) files"
done
