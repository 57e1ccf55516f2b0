#!/usr/bin/env bash
# Times whole command-line runs, start to exit, with no display (hyperfine; apt-get
# install hyperfine), against a bare QCoreApplication start (bench/bare_start.cpp).
#   scripts/measure-cli-startup.sh [build folder]   # default: build
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
seed=$root/tests/data/fuzz/settings_file/seed-fixed-3-and-4-colour.tnfx
# tmpfs when there is one: QSaveFile syncs to disk before renaming, which is the disk's time, not the program's.
out=$(mktemp -d "${XDG_RUNTIME_DIR:-/dev/shm}/tinctora-cli.XXXXXX" 2>/dev/null || mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$out" "$home"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= HOME="$home" XDG_CONFIG_HOME="$home/config" \
  hyperfine -N -w 10 -r 100 \
  "$build/bench/tinctora_bare_start" \
  "$build/src/app/tinctora --version" \
  "$build/src/app/tinctora --values $seed" \
  "$build/src/app/tinctora --export $out/x.gpl $seed" \
  "$build/src/app/tinctora --export $out/x.png $seed"
