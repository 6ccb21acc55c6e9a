#!/usr/bin/env bash
# The Windows build and its checks: velmora.exe, the zip and the installer (package.sh, which
# builds the cached Qt on the first run), then, under Wine in a fresh prefix on a virtual display,
# every test of the windows-ci preset (the core's and the reference tests, the window tests on Qt's
# offscreen platform, the real window at 96, 120, 144 and 192 dpi, the version record and icon
# read back) and the installer.
set -euo pipefail
cd "$(dirname "$0")/../.."
# The tests' tools (GoogleTest's sources, Xvfb, the X tools) as the Debian tests have them.
bash scripts/install-deps.sh test
# CI builds with warnings as errors; the README's command does not.
bash scripts/windows/package.sh windows-ci
out=build/windows
version=$(sed -n 's/^VELMORA_DISPLAY_VERSION:INTERNAL=//p' "$out/CMakeCache.txt")
if [[ -z $version ]]; then
  echo "test.sh: no VELMORA_DISPLAY_VERSION in $out/CMakeCache.txt" >&2
  exit 1
fi
zip_file=$out/velmora-$version-windows-x64.zip
unzip -l "$zip_file"
# The zip's read-me speaks of the zip alone: the installer is not in it.
if unzip -p "$zip_file" README.txt | grep -q -i 'setup'; then
  echo "FAIL: the zip's read-me names the installer, which the zip does not hold" >&2
  exit 1
fi

source scripts/virtual-display.sh
source scripts/windows/wine-prefix.sh
work=$(mktemp -d)
virtual_display_pid=""
# shellcheck disable=SC2317 # run by the EXIT trap
cleanup() { end_wine_prefix; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT
start_virtual_display "$work" || { echo "FAIL: no virtual X display could be started"; exit 1; }
new_wine_prefix "$work/wine"

# GoogleTest's tests are listed by running each test program, under Wine: after the prefix exists.
cmake --build --preset windows-ci
keep_wine_server
ctest --preset windows-ci -j2
# The installer's checks wait for the server to end after each step.
wineserver -k
wineserver -w
bash scripts/windows/check-installer.sh "$out"
