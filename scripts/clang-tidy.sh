#!/usr/bin/env bash
# clang-tidy over the program's own sources, core/, part/, sheet/, textview/, ui/ and cli/, with the committed
# .clang-tidy and the compile commands of a configured and built tree (default build/debug: the
# generated headers must exist). Every finding is an error (.clang-tidy: WarningsAsErrors), so any
# finding fails.
#   clang-tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}
if [[ ! -f "$build/compile_commands.json" ]]; then
  echo "clang-tidy.sh: no $build/compile_commands.json; build first: cmake --preset debug" >&2
  exit 1
fi
run-clang-tidy -p "$build" -j2 -quiet "^$PWD/(core|part|sheet|textview|ui|cli)/"
