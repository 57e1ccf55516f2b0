#!/usr/bin/env bash
# Times whole starts of Tinctora to its first painted window under Xvfb.
# Usage: scripts/measure-startup.sh [path/to/tinctora] [runs]
# The program prints the wall-clock time of its first paint and quits when
# TINCTORA_STARTUP_PROBE is set; the script takes the time just before exec.
set -euo pipefail
exe=${1:-build-release/src/app/tinctora}
runs=${2:-10}
[ -x "$exe" ] || { echo "no program at $exe (build it first)" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (package xvfb)" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
# A normal, not maximised window, so that no window manager is needed.
printf '[General]\ncFullscrn=0\n' > "$home/TinctoraKVB.conf"

inner=$(mktemp)
trap 'rm -rf "$home" "$inner"' EXIT
cat > "$inner" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
exe=$1; runs=$2; home=$3
export XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home/runtime TINCTORA_STARTUP_PROBE=1
"$exe" >/dev/null 2>&1 || true # warm the file cache
for _ in $(seq "$runs"); do
  start=$(date +%s%3N)
  painted=$("$exe" 2>/dev/null | awk '/^first-paint-epoch-ms/ {print $2}')
  echo $((painted - start))
done
INNER
chmod +x "$inner"
times=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$inner" "$exe" "$runs" "$home")
echo "$times" | sort -n | awk '{a[NR]=$1} END {
  printf "start to first paint over %d runs: min %d ms, median %d ms, max %d ms\n", NR, a[1], a[int((NR+1)/2)], a[NR]}'
