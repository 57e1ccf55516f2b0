#!/usr/bin/env bash
# A double-click on a .tnfx file while the installed program runs: xdg-open finds the
# desktop entry by the file type and runs its Exec line; that second start hands the
# path to the running instance, whose window title becomes the file's path.
# Runs under an X server (xvfb-run). Usage: open-through-desktop-entry.sh <build dir>
set -euo pipefail
# shellcheck source=tests/install/prefix.sh
source "$(dirname "$0")/prefix.sh" "$1"
export PATH=$prefix/bin:$PATH QT_QPA_PLATFORM=xcb

# Waits up to 20 s for a condition.
wait_for() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }

TINCTORA_STARTUP_PROBE=stay tinctora >"$tmp/probe" 2>"$tmp/stderr.log" &
first=$!
trap 'kill "$first" 2>/dev/null || true; rm -rf "$tmp"' EXIT
wait_for grep -qs first-paint "$tmp/probe" || { cat "$tmp/stderr.log" >&2; fail "no first window"; exit 1; }
window=$(xdotool search --sync --pid "$first" --onlyvisible --name Tinctora | head -1)

# Two blocks of 111 bytes: 25 little-endian integers, the hex text, the fixed flag.
file="$tmp/My Colours.TNFX"
block() { for v in "$@"; do printf '%b' "$(printf '\\x%02x\\x%02x\\x00\\x00' $((v & 255)) $((v >> 8 & 255)))"; done; }
{ block 1 1 500 1 40 34 0 64 100 0 255 0 255 0 255 500 121 201 67 3 0 0 1 2 3; printf '#010203'; block 0
  block 1 0 100 1 40 34 0 0 255 0 255 0 255 0 255 100 439 413 67 3 0 0 9 9 9; printf '#090909'; block 0; } >"$file"

# xdg-open waits for the command of the entry: the second start, which ends once it has handed over.
xdg-open "$file" || fail "xdg-open failed"
# shellcheck disable=SC2317 # called through wait_for
title_is_path() { [ "$(xdotool getwindowname "$window")" = "$file" ]; }
wait_for title_is_path || fail "window title is '$(xdotool getwindowname "$window")', expected '$file'"
kill -0 "$first" || fail "the first instance ended"

[ "$failures" -eq 0 ] && echo "double-clicked file: shown in the running window"
exit $((failures > 0))
