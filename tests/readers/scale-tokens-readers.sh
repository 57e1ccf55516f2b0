#!/bin/sh
# The tokens files an export with scales writes, read by the two tools people
# feed them to: Style Dictionary 5 (css/variables) and Terrazzo (check).
# Usage: scale-tokens-readers.sh PROGRAM SETTINGS.tnfx CACHE_FOLDER
# Exit 77 (skipped) without node and npm, or when the packages cannot be
# installed into the cache folder (no network), or with TINCTORA_OFFLINE set.
# The versions are pinned: a reader's new release must not turn a run red by itself.
set -u
program=$1
settings=$2
cache=$3

skip() {
    echo "skipped: $1"
    exit 77
}

[ -z "${TINCTORA_OFFLINE:-}" ] || skip "TINCTORA_OFFLINE is set"
command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || skip "no node/npm"
if [ ! -x "$cache/node_modules/.bin/tz" ] || [ ! -d "$cache/node_modules/style-dictionary" ]; then
    mkdir -p "$cache" || exit 1
    timeout 300 npm install --silent --no-audit --no-fund --prefix "$cache" style-dictionary@5.8.0 @terrazzo/cli@2.7.1 \
        >"$cache/install.log" 2>&1 || skip "no network (npm install failed, see $cache/install.log)"
fi

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
status=0
for targets in wcag apca; do
    mkdir -p "$work/$targets"
    "$program" --export "$work/$targets/p.tokens.json" --with-scales --targets "$targets" "$settings" || exit 1
    for scheme in light dark; do
        file="$work/$targets/p.$scheme.tokens.json"
        tokens=$(grep -c '"\$value"' "$file")
        # Warnings (name collisions, unknown values) count as errors.
        (cd "$cache" && node --input-type=module -e '
import StyleDictionary from "style-dictionary";
const [file, out] = process.argv.slice(1);
const sd = new StyleDictionary({
  source: [file],
  log: { warnings: "error", verbosity: "verbose" },
  platforms: { css: { transformGroup: "css", buildPath: out + "/",
                      files: [{ destination: "variables.css", format: "css/variables" }] } },
});
await sd.buildAllPlatforms();
' "$file" "$work/$targets/$scheme-css") || { echo "Style Dictionary failed on $file"; status=1; continue; }
        made=$(grep -c '^  --.*: #[0-9a-f]\{6\};' "$work/$targets/$scheme-css/variables.css")
        if [ "$made" -ne "$tokens" ]; then
            echo "Style Dictionary made $made variables of $tokens tokens in $file"
            status=1
        fi
        # Terrazzo reports some problems as warnings with exit status 0: only its "No errors" line counts.
        said=$(cd "$work/$targets" && "$cache/node_modules/.bin/tz" check "$file" 2>&1)
        if [ $? -ne 0 ] || [ "$(printf '%s\n' "$said" | grep -cv 'No errors')" -ne 0 ]; then
            printf 'Terrazzo check on %s:\n%s\n' "$file" "$said"
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "Style Dictionary and Terrazzo read every file"
exit "$status"
