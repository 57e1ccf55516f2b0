#!/usr/bin/env bash
# Times whole starts of Tinctora to its first painted window under Xvfb, taking
# turns with a bare Qt window (bench/bare_window.cpp), and the peak resident
# memory of each.
# Usage: scripts/measure-startup.sh [path/to/tinctora] [runs] [another program ...]
# Further programs (another build of tinctora) join the same turns. The bare window
# is found beside the build (bench/tinctora_bare_window) or named by BARE_WINDOW.
# Each program prints the wall-clock time of its first paint and quits (tinctora when
# TINCTORA_STARTUP_PROBE is set); the script takes the time just before exec.
set -euo pipefail
exe=${1:-build-release/src/app/tinctora}
runs=${2:-11}
shift $(($# < 2 ? $# : 2))
bare=${BARE_WINDOW:-$(dirname "$exe")/../../bench/tinctora_bare_window}
for p in "$exe" "$bare" "$@"; do
  [ -x "$p" ] || { echo "no program at $p (build it first)" >&2; exit 1; }
done
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (package xvfb)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (package time)" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
# A normal, not maximised window, so that no window manager is needed.
printf '[General]\ncFullscrn=0\n' > "$home/TinctoraKVB.conf"

cat > "$home/inner.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
runs=$1; home=$2; shift 2
export XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home/runtime TINCTORA_STARTUP_PROBE=1
for p in "$@"; do "$p" >/dev/null 2>&1 || true; done # warm the file cache
for _ in $(seq "$runs"); do
  i=0
  for p in "$@"; do
    start=$(date +%s%3N)
    painted=$(/usr/bin/time -f %M -o "$home/rss" "$p" 2>/dev/null | awk '/^first-paint-epoch-ms/ {print $2}')
    echo "$i $((painted - start)) $(cat "$home/rss")"
    i=$((i + 1))
  done
done
INNER
chmod +x "$home/inner.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$home/inner.sh" "$runs" "$home" "$exe" "$bare" "$@" > "$home/times"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
names=("$exe" "bare window" "$@")
bare_ms=$(awk '$1 == 1 {print $2}' "$home/times" | median)
bare_kb=$(awk '$1 == 1 {print $3}' "$home/times" | median)
echo "start to first paint and peak resident memory, medians of $runs alternating starts:"
for i in "${!names[@]}"; do
  ms=$(awk -v i="$i" '$1 == i {print $2}' "$home/times" | median)
  min=$(awk -v i="$i" '$1 == i {print $2}' "$home/times" | sort -n | head -1)
  kb=$(awk -v i="$i" '$1 == i {print $3}' "$home/times" | median)
  awk -v n="${names[$i]}" -v ms="$ms" -v min="$min" -v kb="$kb" -v bms="$bare_ms" -v bkb="$bare_kb" 'BEGIN {
    printf "%-40s %4d ms (min %d) %5.2f x   %6.1f MB %5.2f x\n", n, ms, min, ms / bms, kb / 1024, kb / bkb}'
done
