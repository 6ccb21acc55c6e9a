#!/usr/bin/env bash
# The window benchmark in a real X server: the program's window under Xvfb (xcb platform), and the
# copied table read back by another program (xclip), as a user's editor would receive it.
#   bench/window_bench.sh [PATH/TO/velmora_window_bench]
set -euo pipefail
bench=${1:-build/release/bench/velmora_window_bench}
command -v xclip >/dev/null || { echo "xclip is missing (bash scripts/install-deps.sh bench)"; exit 1; }
source "$(dirname "$0")/../scripts/virtual-display.sh"
work=$(mktemp -d)
virtual_display_pid=""
trap 'stop_process "$virtual_display_pid"; rm -rf "$work"' EXIT
start_virtual_display "$work" || { echo "no virtual X display could be started"; exit 1; }
QT_QPA_PLATFORM=xcb "$bench" --external
