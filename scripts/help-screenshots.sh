#!/usr/bin/env bash
# Pictures of the help window (contents and topic pages, both languages) and of the
# about box, made by the UI test program under Xvfb, and, where Chromium is installed,
# of tutorial pages. Usage: scripts/help-screenshots.sh [build-dir] [out-dir]
# With TINCTORA_HELP_IMAGES=resources/help it also renews the manual's pictures of the
# main window (then run scripts/make-help.py and rebuild).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/screenshots}
mkdir -p "$out"
cmake --build "$build" --target tinctora_ui_tests tinctora_program_data >/dev/null
filter='HelpScreenshots.*'
[ -n "${TINCTORA_HELP_IMAGES:-}" ] || filter="$filter-HelpScreenshots.*MainWindowForTheManual"
[ -z "${TINCTORA_HELP_IMAGES:-}" ] || export TINCTORA_HELP_IMAGES=$(realpath "$TINCTORA_HELP_IMAGES")
TINCTORA_SHOT_DIR="$out" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tests/ui/tinctora_ui_tests" --gtest_also_run_disabled_tests --gtest_filter="$filter"
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -n "$browser" ]; then
  for page in colors/red.htm farben/blau.htm colorwheel_dorva.htm marketing_text.htm index.html; do
    name=tutorial-$(echo "$page" | tr '/.' '--').png
    "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1100,1500 \
      --screenshot="$out/$name" "file://$PWD/$build/src/app/tutorial/$page" >/dev/null 2>&1
  done
fi
ls "$out"
