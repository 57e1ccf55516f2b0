# shellcheck shell=bash
# Sourced by the install checks: installs the build <build dir> into a throwaway prefix
# with a throwaway home, and registers its file type and desktop entry there, so that
# xdg-mime and xdg-open see the prefix as they would see /usr. Sets tmp, prefix, share.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
share=$prefix/share
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_CACHE_HOME=$tmp/home/.cache
export XDG_DATA_HOME=$tmp/home/.local/share XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# xdg-utils' generic rules, whatever desktop the tests run on; never a browser.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DBUS_SESSION_BUS_ADDRESS
export BROWSER=false

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_equal() { [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"; }

"${CMAKE:-cmake}" --install "$1" --prefix "$prefix" >/dev/null
export XDG_DATA_DIRS=$share:/usr/share
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
