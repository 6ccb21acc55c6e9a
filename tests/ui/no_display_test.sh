#!/usr/bin/env bash
# Started where no display can be reached, the program says so in one line and ends with status
# 1, without Qt's abort.
#   no_display_test.sh PATH/TO/velmora
set -uo pipefail
program=${1:?usage: no_display_test.sh PATH/TO/velmora}
fail=0
# The line names what is wrong (which display, or that none is set) and how to start it anyway.
advice="; start it from a desktop session, or under a virtual display: xvfb-run -a velmora"
run_without_display() {  # name, the line expected, then environment assignments
  local name=$1 expected=$2; shift 2
  local err status
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$@" \
    "$program" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -eq 1 ] && [ "$err" = "$expected" ]; then
    echo "ok: $name: $err"
  else
    echo "FAIL: $name: status $status, want 1; got:"
    printf '%s\n' "$err"
    echo "want:"
    printf '%s\n' "$expected"
    fail=1
  fi
}
run_without_display "no display set" \
  "velmora: no display is set (DISPLAY and WAYLAND_DISPLAY are empty)$advice"
# A display that nobody serves: a number far above any that Xvfb or a desktop takes.
run_without_display "an X display that does not answer" \
  "velmora: the display :7391 cannot be reached$advice" DISPLAY=:7391
# Only a Wayland display named, while the X11 platform is asked for: the Wayland name is the one
# the user set, so it is the one the line names.
run_without_display "only a Wayland display set" \
  "velmora: the display wayland-7391 cannot be reached$advice" WAYLAND_DISPLAY=wayland-7391
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
