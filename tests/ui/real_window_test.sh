#!/usr/bin/env bash
# Starts the real program in a virtual X display at 96 dpi, waits for its window, and checks a
# few pixels that only a correct window has: a light-yellow input field, a blue placement result
# after a click on Calculate, a dark pixel on a line of the sketch. Then Exit must end the process.
#   real_window_test.sh PATH/TO/velmora
set -euo pipefail
program=${1:?usage: real_window_test.sh PATH/TO/velmora}
work=$(mktemp -d)
source "$(dirname "$0")/../../scripts/virtual-display.sh"
app=""
virtual_display_pid=""
cleanup() { stop_process "$app"; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT

start_virtual_display "$work" || { echo "FAIL: no virtual X display could be started"; exit 1; }
echo "virtual display $DISPLAY"
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0

"$program" & app=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "カセグレン副反射鏡" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: no window appeared"
  kill -0 "$virtual_display_pid" 2>/dev/null || echo "(the virtual display had ended)"
  cat "$work/xvfb.log"
  exit 1
fi
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
echo "window $WIDTH x $HEIGHT at $X,$Y"
[ "$WIDTH" -eq 521 ] && [ "$HEIGHT" -eq 444 ] || { echo "FAIL: client area is not 521 x 444"; exit 1; }

# Colour of the screen pixel at window coordinates (x, y) as rrggbb.
pixel() { convert "$1" -crop "1x1+$((X + $2))+$((Y + $3))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }
# How many pixels of a colour lie in a window box (x y w h colour).
count() { convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" -depth 8 txt:- | grep -c "$6" || true; }

fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got $2, want $3)"; fail=1; fi; }

# The title as the window system holds it, which every window manager and task bar shows.
title="カセグレン副反射鏡 計算プログラム"
check "_NET_WM_NAME" "$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')" "$title"
check "WM_NAME" "$(xprop -id "$window" WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')" "$title"
check "application name" "$(xprop -id "$window" WM_CLASS | sed -n 's/^[^=]*= "\([^"]*\)".*$/\1/p')" "velmora"

import -window root "$work/start.png"
# Right end of Text1 (twips 600..1572 x 480..744): light yellow, clear of the digits.
check "light-yellow input field" "$(pixel "$work/start.png" 98 40)" "#FFFFC0"
# Line9, the back of the sub-reflector, at x = 3480 twips.
check "dark pixel on the sketch" "$(pixel "$work/start.png" 232 350)" "#000000"
check "no blue before Calculate" "$(count "$work/start.png" 160 208 65 18 '#0000C0')" "0"

# Calculate: centre of Command1 (6360, 2160, 1212 x 1572 twips).
xdotool mousemove --window "$window" 464 196 click 1
sleep 1
import -window root "$work/calculated.png"
blue=$(count "$work/calculated.png" 160 208 65 18 '#0000C0')  # Text20 "37.93"
if [ "$blue" -gt 5 ]; then echo "ok: blue result after Calculate ($blue pixels)"; else
  echo "FAIL: no blue result after Calculate"; fail=1; fi

# Exit: centre of Command2 (6360, 4560, 1212 x 1572 twips); the process must end at once.
xdotool mousemove --window "$window" 464 356 click 1
for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "FAIL: still running after Exit"; fail=1; else
  if wait "$app"; then echo "ok: Exit ended the program"; else
    echo "FAIL: the program ended with a failure code"; fail=1; fi
fi
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
