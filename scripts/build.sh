#!/usr/bin/env bash
# Configures (once) and builds everything in build/, in Release.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ ! -f "$root/build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$root/build" --parallel "$(nproc)"
