#!/usr/bin/env bash
# From process start to the window shown: starts the program in a fresh virtual X display several
# times and takes the time until its window is mapped. Prints each run and the median.
#   bench/startup.sh [PATH/TO/velmora] [RUNS]
set -euo pipefail
program=${1:-build/release/ui/velmora}
runs=${2:-9}
source "$(dirname "$0")/../scripts/virtual-display.sh"
work=$(mktemp -d)
virtual_display_pid=""
trap 'stop_process "$virtual_display_pid"; rm -rf "$work"' EXIT
start_virtual_display "$work" || { echo "no virtual X display could be started"; exit 1; }
export QT_QPA_PLATFORM=xcb
times=()
for run in $(seq "$runs"); do
  began=$(date +%s%N)
  "$program" 2>/dev/null & app=$!
  # xdotool's own --sync waits half a second between looks; look every few milliseconds instead.
  for _ in $(seq 2000); do
    xdotool search --onlyvisible --name "カセグレン副反射鏡" >/dev/null 2>&1 && break
    sleep 0.005
  done
  ended=$(date +%s%N)
  stop_process "$app"
  ms=$(( (ended - began) / 1000000 ))
  times+=("$ms")
  echo "run $run: $ms ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median: $median ms over $runs runs"
