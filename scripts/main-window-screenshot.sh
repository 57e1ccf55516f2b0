#!/usr/bin/env bash
# The picture of the main window for software centres (resources/screenshots/main-window.png):
# the built program under Xvfb in a fresh home, four-colour harmony, a violet base colour
# moved towards light. Usage: scripts/main-window-screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cmake --build "$build" --target tinctora >/dev/null
tmp=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime LANG=C.UTF-8
mkdir -m 700 "$tmp/runtime"
QT_QPA_PLATFORM=xcb TINCTORA_STARTUP_PROBE=stay "$build/src/app/tinctora" >"$tmp/probe" 2>/dev/null &
pid=$!
until grep -qs first-paint "$tmp/probe"; do sleep 0.1; done
window=$(xdotool search --sync --pid "$pid" --onlyvisible --name Tinctora | head -1)
xdotool windowfocus --sync "$window"
xdotool key F4 sleep 0.5 \
  mousemove --window "$window" 600 95 click 1 sleep 0.3 \
  mousemove --window "$window" 800 140 click 1 sleep 0.5
import -window "$window" resources/screenshots/main-window.png
echo resources/screenshots/main-window.png
