#!/usr/bin/env bash
# Started where no display can be reached, the program says so in one line and ends with status
# 1, without Qt's abort.
#   no_display_test.sh PATH/TO/velmora
set -uo pipefail
program=${1:?usage: no_display_test.sh PATH/TO/velmora}
fail=0
run_without_display() {  # name, then environment assignments
  local name=$1; shift
  local err status
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$@" \
    "$program" 2>&1 >/dev/null)
  status=$?
  local lines
  lines=$(printf '%s\n' "$err" | grep -c .)
  if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && [[ "$err" == velmora:*xvfb-run* ]]; then
    echo "ok: $name: $err"
  else
    echo "FAIL: $name: status $status, $lines lines:"
    printf '%s\n' "$err"
    fail=1
  fi
}
run_without_display "no display set"
# A display that nobody serves: a number far above any that Xvfb or a desktop takes.
run_without_display "a display that does not answer" DISPLAY=:7391
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
