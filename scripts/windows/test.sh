#!/usr/bin/env bash
# The Windows build and its checks: velmora.exe, the zip and the installer (package.sh, which
# builds the cached Qt on the first run), then, under Wine in a fresh prefix on a virtual display,
# every test of the windows preset (the core's and the reference tests, the window tests on Qt's
# offscreen platform, the real window at four resolutions, the version record and icon read back)
# and the installer.
set -euo pipefail
cd "$(dirname "$0")/../.."
# The tests' tools (GoogleTest's sources, Xvfb, the X tools) as the Debian tests have them.
bash scripts/install-deps.sh test
bash scripts/windows/package.sh
out=build/windows
version=$(sed -n 's/^VELMORA_DISPLAY_VERSION:INTERNAL=//p' "$out/CMakeCache.txt")
[[ -n $version ]] || { echo "test.sh: no VELMORA_DISPLAY_VERSION in $out/CMakeCache.txt" >&2; exit 1; }
unzip -l "$out/velmora-$version-windows-x64.zip"

# shellcheck disable=SC1091 # a helper of this repository, checked on its own
source scripts/virtual-display.sh
# shellcheck disable=SC1091 # a helper of this repository, checked on its own
source scripts/windows/wine-prefix.sh
work=$(mktemp -d)
virtual_display_pid=""
# shellcheck disable=SC2317 # run by the EXIT trap
cleanup() { end_wine_prefix; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT
start_virtual_display "$work" || { echo "FAIL: no virtual X display could be started"; exit 1; }
new_wine_prefix "$work/wine"

# GoogleTest's tests are listed by running each test program, under Wine: after the prefix exists.
cmake --build --preset windows
ctest --preset windows -j2
bash scripts/windows/check-installer.sh "$out"
