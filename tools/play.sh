#!/usr/bin/env bash
# Installs what is missing, builds the game with its data folder (release) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MQ_BUILD_DIR:-$root/build/release}

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMQ_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)"
exec "$build/mirelvanquibs"
