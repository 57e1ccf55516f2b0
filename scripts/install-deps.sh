#!/usr/bin/env bash
# Installs what building, testing and running need on Debian/Ubuntu, or with
# package names as arguments just those (scripts/fuzz.sh asks for clang so).
# As root (or through sudo) it installs with apt-get; otherwise it names the
# missing packages and stops.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6svg6 libqt6svg6-dev libgl-dev
  qt6-tools-dev qt6-tools-dev-tools libqt6sql6-sqlite qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  liblcms2-dev liblcms2-utils libgs-common
  xvfb xauth xdotool fonts-dejavu-core time
  poppler-utils python3
  dbus-daemon at-spi2-core python3-pyatspi
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl librsvg2-bin dpkg-dev
)
if [ $# -gt 0 ]; then
  packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo_cmd=(sudo)
else
  echo "Missing build dependencies: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
