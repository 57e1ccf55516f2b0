#!/usr/bin/env bash
# Installs missing build dependencies, builds and starts Tinctora.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tinctora
exec build/src/app/tinctora "$@"
