#!/usr/bin/env bash
# Installs the Debian packages listed in system-packages.txt.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
mapfile -t packages < <(grep -v -e '^#' -e '^$' "$here/system-packages.txt")
# Node.js builds from other sources bring their own npm and conflict with Debian's.
if ! command -v npm > /dev/null; then packages+=(npm); fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${packages[@]}"
