#!/usr/bin/env bash
# Fresh machine to playing instrument: system packages, Release build, per-user
# install of the plug-ins, the Standalone app and tessaro-render, then a render of
# the demo phrase to show that the instrument plays.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-system-packages.sh"
bash "$root/scripts/build.sh"
cmake --install "$root/build" --prefix "$HOME"
echo "Installed: ~/.vst3/Tessaro.vst3, ~/.lv2/Tessaro.lv2, ~/.local/bin/Tessaro, ~/.local/bin/tessaro-render"

demo_wav="$root/build/demo/tessaro-demo.wav"
demo_preset="$HOME/.local/share/Quellmark/Tessaro/Factory Presets/04_Strings/04_LUSH STRINGS.tessaropreset"
"$HOME/.local/bin/tessaro-render" --preset "$demo_preset" "$root/build/demo/tessaro-demo.mid" "$demo_wav"
echo "Demo: $demo_wav"
