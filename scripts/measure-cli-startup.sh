#!/usr/bin/env bash
# Times whole command-line runs, start to exit, with no display, against a bare
# QCoreApplication start (bench/bare_start.cpp), in one run: the programs take
# turns, so a busy machine slows each alike. bench.sh runs it after the benchmarks.
#   scripts/measure-cli-startup.sh [build folder] [runs]   # default: build 60
set -euo pipefail
build=${1:-build}
runs=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
seed=$root/tests/data/fuzz/settings_file/seed-fixed-3-and-4-colour.tnfx
# tmpfs when there is one: the export syncs to disk before renaming, which is the disk's time, not the program's.
out=$(mktemp -d "${XDG_RUNTIME_DIR:-/dev/shm}/tinctora-cli.XXXXXX" 2>/dev/null || mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$out" "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=
unset DISPLAY WAYLAND_DISPLAY
exec python3 - "$runs" \
  "bare QCoreApplication start" "$build/bench/tinctora_bare_start" \
  "tinctora --version" "$build/src/app/tinctora --version" \
  "tinctora --values FILE" "$build/src/app/tinctora --values $seed" \
  "tinctora --export x.gpl FILE" "$build/src/app/tinctora --export $out/x.gpl $seed" \
  "tinctora --export x.png FILE" "$build/src/app/tinctora --export $out/x.png $seed" <<'PY'
import os, resource, shlex, statistics, subprocess, sys, time

runs = int(sys.argv[1])
cases = [(sys.argv[i], shlex.split(sys.argv[i + 1])) for i in range(2, len(sys.argv), 2)]
wall = {name: [] for name, _ in cases}
cpu = {name: [] for name, _ in cases}

def once(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    took = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return took, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)

for _, command in cases:  # warm the caches
    for _ in range(5):
        once(command)
for _ in range(runs):
    for name, command in cases:
        took, used = once(command)
        wall[name].append(took * 1000)
        cpu[name].append(used * 1000)

bare = cases[0][0]
print(f"{runs} runs each, taking turns; milliseconds, and the ratio to a bare start by median")
print(f"| run | median | mean | min | CPU (user + system, mean) | median / bare |")
print("|---|---|---|---|---|---|")
for name, _ in cases:
    median = statistics.median(wall[name])
    print(f"| {name} | {median:.1f} | {statistics.mean(wall[name]):.1f} | {min(wall[name]):.1f} | "
          f"{statistics.mean(cpu[name]):.1f} | {median / statistics.median(wall[bare]):.2f} |")
PY
