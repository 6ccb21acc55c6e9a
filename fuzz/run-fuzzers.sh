#!/usr/bin/env bash
# Builds the fuzz preset and runs each libFuzzer target for SECONDS seconds (default 60) on a
# scratch copy of its seed corpus, so the committed corpus never grows. Prints one line per
# target with its executions; exits non-zero when a target fails. A failing input is kept under
# build/fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# target:max_len:dictionary. A table of a million rows takes seconds under the sanitizers, so the
# per-input timeout leaves room for one calculated three times.
targets=(
  "fuzz_to_number:256:fuzz/to_number.dict"
  "fuzz_number_text:64:"
  "fuzz_calculation:256:fuzz/calculation.dict"
)
# The window's target exists when the fuzz build found Qt.
[[ -x build/fuzz/fuzz/fuzz_window ]] && targets+=("fuzz_window:256:")
timeout_seconds=60

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

status=0
for entry in "${targets[@]}"; do
  IFS=: read -r name max_len dict <<<"$entry"
  binary="build/fuzz/fuzz/$name"
  corpus="$scratch/$name"
  artifacts="$PWD/build/fuzz/artifacts/$name"
  log="$scratch/$name.log"
  mkdir -p "$corpus" "$artifacts"
  cp fuzz/corpus/"$name"/* "$corpus"/
  # The window fuzz target shows the window on Qt's offscreen platform.
  export QT_QPA_PLATFORM=offscreen
  options=(-max_total_time="$seconds" -max_len="$max_len" -timeout="$timeout_seconds"
           -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/")
  [[ -n "$dict" ]] && options+=(-dict="$dict")

  rc=0
  "$binary" "${options[@]}" "$corpus" >"$log" 2>&1 || rc=$?
  executions="$(sed -n 's/^stat::number_of_executed_units: *\([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)"
  if [[ $rc -eq 0 ]]; then
    echo "$name: ${executions:-?} executions"
  else
    echo "$name: FAILED (exit $rc) after ${executions:-?} executions; input kept in $artifacts/" >&2
    grep -E 'PROPERTY FAILED|ERROR: |SUMMARY: |runtime error|Test unit written' "$log" | head -n 20 >&2 || true
    status=1
  fi
done
exit "$status"
