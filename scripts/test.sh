#!/usr/bin/env bash
# Builds (if needed) and runs the whole test suite; the GUI tests get a virtual display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
cd "$root/build"
xvfb-run -a ctest --output-on-failure --parallel "$(nproc)" --timeout 900
