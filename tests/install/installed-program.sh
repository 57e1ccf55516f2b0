#!/usr/bin/env bash
# Installs the build into a throwaway prefix and checks it as a desktop would see it:
# valid desktop entry and AppStream file, .tnfx files known as the program's type and
# opened with its entry, the installed program finding its help and tutorial, and its command line
# exporting a picture without a display.
# Usage: installed-program.sh <build dir> <application id> <MIME type>
set -euo pipefail
build=$1 id=$2 type=$3

# shellcheck source=tests/install/prefix.sh
source "$(dirname "$0")/prefix.sh" "$build"
unset DISPLAY # nothing here needs an X server

for f in bin/tinctora lib/tinctora/libtinctora_window.so lib/tinctora/libtinctora_help_viewer.so share/tinctora/manual-de.qch \
         share/tinctora/manual-en.qch share/icons/hicolor/scalable/apps/$id.svg share/mime/packages/$id.xml; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done

out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || fail "desktop entry invalid"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" >"$tmp/appstream.log" 2>&1 ||
  { cat "$tmp/appstream.log" >&2; fail "AppStream file invalid"; }

for name in colours.tnfx COLOURS.TNFX; do
  head -c 222 /dev/zero >"$tmp/$name"
  expect_equal "type of $name" "$(xdg-mime query filetype "$tmp/$name")" "$type"
done
expect_equal "default for $type" "$(xdg-mime query default "$type")" "$id.desktop"

probe=$(cd "$tmp" && TINCTORA_STARTUP_PROBE=help QT_QPA_PLATFORM=offscreen timeout 60 "$prefix/bin/tinctora" 2>"$tmp/stderr.log") ||
  { cat "$tmp/stderr.log" >&2; fail "installed program did not end cleanly"; }
grep -q '^first-paint-epoch-ms ' <<<"$probe" || fail "installed program showed no window: $probe"
grep -Eq '^help-window Tinctora – (Help|Hilfe) – .' <<<"$probe" || fail "help contents not shown: $probe"
expect_equal "tutorial" "$(sed -n 's/^tutorial //p' <<<"$probe")" "$share/tinctora/tutorial/index.html"

# The command line without any display; a picture loads the drawing library from lib/tinctora.
seed=$(dirname "$0")/../data/fuzz/settings_file/seed-unfixed-4-colour-type-2.tnfx
(cd "$tmp" && QT_QPA_PLATFORM= "$prefix/bin/tinctora" --export sheet.png "$seed" 2>"$tmp/cli.log") ||
  { cat "$tmp/cli.log" >&2; fail "installed program could not export a picture"; }
expect_equal "exported picture" "$(head -c 4 "$tmp/sheet.png" | tail -c 3)" "PNG"

[ "$failures" -eq 0 ] && echo "installed program: all checks passed"
exit $((failures > 0))
