# shellcheck shell=bash
# Sourced by the scripts that run the real program: a private virtual X display at 96 dpi.
#   start_virtual_display WORKDIR [WIDTHxHEIGHT]
#                                  starts Xvfb (1024x768 unless told), exports DISPLAY, sets
#                                  virtual_display_pid; returns 1 with Xvfb's messages when no
#                                  display could be started
#   stop_process PID               ends a process (if any) and waits until it is gone, so that no
#                                  server is still shutting down when the next one starts
#   wait_for_window PID            sets window to velmora's visible window once it shows; returns
#                                  1 (window empty) when the process ends or 10 s pass first
#
# Xvfb picks the display number itself (-displayfd): it takes the first number whose sockets it
# can really bind, so a server of another container sharing the abstract socket namespace is never
# mistaken for ours. -noreset: without it the server resets whenever its last client leaves (the
# xdpyinfo probe, or the program of the previous run), and a program connecting during the reset
# is refused.

start_virtual_display() {
  local work=$1 size=${2:-1024x768} d=""
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
  virtual_display_pid=$!
  for _ in $(seq 200); do
    d=$(head -1 "$work/display" 2>/dev/null || true)
    [ -n "$d" ] && DISPLAY=":$d" xdpyinfo >/dev/null 2>&1 && break
    d=""
    kill -0 "$virtual_display_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$d" ]; then
    cat "$work/xvfb.log"
    return 1
  fi
  export DISPLAY=":$d"
}

stop_process() {
  if [ -n "${1:-}" ]; then
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  fi
}

wait_for_window() {
  window=""
  for _ in $(seq 100); do
    # By class: a session whose locale cannot write the title leaves WM_NAME garbled.
    window=$(xdotool search --onlyvisible --class velmora 2>/dev/null | head -1 || true)
    [ -n "$window" ] && return 0
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
