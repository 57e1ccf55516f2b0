#!/usr/bin/env bash
# Random user sessions on the real main window under ASan + UBSan.
#   scripts/soak.sh N [seed] [processes] [actions per seed]
# Runs N actions in all, split into sessions of at most `actions per seed`
# (default 10000) with the seeds seed, seed+1, ... (default seed: the time),
# spread over `processes` parallel runs (default 1). Prints every seed used, the
# wall time and, for a failure, the command that replays it. With
# TINCTORA_SOAK_KEEP_GOING=1 a session goes on after a failed check and counts
# them (a sanitizer report still ends it).
set -euo pipefail
cd "$(dirname "$0")/.."

total=${1:?usage: scripts/soak.sh N [seed] [processes] [actions per seed]}
seed=${2:-$(date +%s)}
procs=${3:-1}
chunk=${4:-10000}
build=build-asan

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINCTORA_WERROR=ON \
  -DTINCTORA_SANITIZE=ON -DTINCTORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "${TINCTORA_SOAK_JOBS:-2}" --target tinctora_ui_tests

export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
# shellcheck source=scripts/sanitizer-env.sh
source scripts/sanitizer-env.sh
binary="$build/tests/ui/tinctora_ui_tests"
logs=$(mktemp -d)

# One line per session: seed, actions.
plan=()
rest=$total
s=$seed
while ((rest > 0)); do
  n=$((rest < chunk ? rest : chunk))
  plan+=("$s $n")
  rest=$((rest - n))
  s=$((s + 1))
done

run_share() { # share index: runs every procs-th session of the plan
  local k=$1 i=0 failed=0
  for entry in "${plan[@]}"; do
    if ((i % procs == k)); then
      read -r sd n <<<"$entry"
      local t0=$SECONDS
      local rc=0
      TINCTORA_SOAK_SEED=$sd TINCTORA_SOAK_ACTIONS=$n "$binary" \
        --gtest_filter=RandomSession.EveryUserActionKeepsTheDisplayConsistent >"$logs/$sd.log" 2>&1 || rc=$?
      local summe
      summe=$(grep -o "[0-9]* with a failed check" "$logs/$sd.log" || echo "no summary (aborted)")
      if ((rc == 0)); then
        echo "seed $sd: $n actions passed in $((SECONDS - t0)) s"
      else
        echo "seed $sd: $n actions FAILED after $((SECONDS - t0)) s, $summe (log: $logs/$sd.log)"
        grep -A40 -E "Failure|ERROR: AddressSanitizer|runtime error" "$logs/$sd.log" | head -60 || true
        failed=1
      fi
    fi
    i=$((i + 1))
  done
  return $failed
}

start=$SECONDS
echo "== $total actions, seeds from $seed, $procs process(es), at most $chunk actions per seed =="
pids=()
for ((k = 0; k < procs; k++)); do
  run_share "$k" &
  pids+=($!)
done
status=0
for p in "${pids[@]}"; do
  wait "$p" || status=1
done
echo "== wall time $((SECONDS - start)) s: $([ $status = 0 ] && echo passed || echo FAILED) =="
exit $status
