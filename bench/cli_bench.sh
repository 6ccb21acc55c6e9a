#!/usr/bin/env bash
# velmora-cli from process start to exit, each case several times, the median printed: one
# design's figures, a sweep of 10,000 designs, and a table of 1,000,000 rows to a pipe beside the
# same calculation printing its figures only (the difference is the table's way out).
#   bench/cli_bench.sh [PATH/TO/velmora-cli] [RUNS]
set -euo pipefail
cli=${1:-build/release/cli/velmora-cli}
runs=${2:-9}
median_ms() {  # the command's median wall time over the runs, in milliseconds
  local times=() began ended
  for _ in $(seq "$runs"); do
    # bash's own clock, in microseconds: a date process a reading would cost more than a design.
    began=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null
    ended=${EPOCHREALTIME/[.,]/}
    times+=("$((ended - began))")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p" |
    awk '{ printf "%.1f", $1 / 1000 }'
}
table() { "$cli" --stop 999999 --table | cat; }
figures_of_table() { "$cli" --stop 999999 | cat; }
echo "one design's figures:            $(median_ms "$cli") ms"
echo "one design as JSON:              $(median_ms "$cli" --json) ms"
echo "10,000 designs:                  $(median_ms "$cli" --sweep main-diameter=100:10000:100 \
  --sweep sub-diameter=1:100:1) ms"
echo "1,000,000 rows, table to a pipe: $(median_ms table) ms"
echo "1,000,000 rows, figures only:    $(median_ms figures_of_table) ms"
echo "(median of $runs runs each)"
