#!/bin/sh
# no-qtgui-in-core.sh CORE_ARCHIVE QTGUI_LIBRARY: fails, listing them, when an
# object of the core archive needs a symbol the QtGui library defines.
set -eu
core=$1
gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
nm --undefined-only --format=just-symbols "$core" 2>/dev/null | sort -u >"$work/needed"
nm -D --defined-only --format=just-symbols "$gui" | sed 's/@.*//' | sort -u >"$work/gui"
comm -12 "$work/needed" "$work/gui" >"$work/both"
test -s "$work/needed" || { echo "no symbols read from $core"; exit 1; }
if test -s "$work/both"; then
  echo "the core needs QtGui for:"
  c++filt <"$work/both"
  exit 1
fi
