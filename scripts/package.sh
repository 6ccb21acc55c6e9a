#!/usr/bin/env bash
# Builds the Debian package of velmora (release build, no tests) and prints how to install it.
#   bash scripts/package.sh   ->  build/package/velmora_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake --preset package >/dev/null
cmake --build --preset package
# shellcheck disable=SC2012  # newest first by time; the names are the build's own, plain ASCII
deb=$(ls -t build/package/velmora_*.deb | head -1)
echo "Package: $deb"
echo "Install it with:  sudo apt install ./$deb"
