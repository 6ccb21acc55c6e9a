#!/usr/bin/env bash
# The Windows build and its checks: velmora.exe, the zip and the installer (package.sh, which
# builds the cached Qt on the first run), then, under Wine in a fresh prefix on a virtual display,
# every test of the windows preset (the core's and the reference tests, the window tests on Qt's
# offscreen platform, the real window, the version record and icon read back) and the installer.
set -euo pipefail
cd "$(dirname "$0")/../.."
# The tests' tools (GoogleTest's sources, Xvfb, the X tools) as the Debian tests have them.
bash scripts/install-deps.sh test
mapfile -t made < <(bash scripts/windows/package.sh | tail -3)  # the exe, the zip, the installer
read -r version _ publisher < <(/usr/bin/python3 scripts/windows/read-version.py "${made[0]}")
unzip -l "${made[1]}"

source scripts/virtual-display.sh
source scripts/windows/wine-prefix.sh
work=$(mktemp -d)
virtual_display_pid=""
cleanup() { end_wine_prefix; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT
start_virtual_display "$work" || { echo "FAIL: no virtual X display could be started"; exit 1; }
new_wine_prefix "$work/wine"

# GoogleTest's tests are listed by running each test program, under Wine: after the prefix exists.
cmake --build --preset windows
ctest --preset windows -j2
bash scripts/windows/check-installer.sh "${made[2]}" "$version" "$publisher"
