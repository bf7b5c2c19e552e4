#!/usr/bin/env bash
# Fresh machine to playing instrument: system packages, Release build, per-user
# install of the plug-ins and the Standalone app.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-system-packages.sh"
bash "$root/scripts/build.sh"
cmake --install "$root/build" --prefix "$HOME"
echo "Installed: ~/.vst3/Tessaro.vst3, ~/.lv2/Tessaro.lv2, ~/.local/bin/Tessaro"
