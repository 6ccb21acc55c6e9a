#!/usr/bin/env bash
# shellcheck disable=SC2154,SC2153 # the elements' places (Command1_x...) and the window's come by eval
# shellcheck disable=SC2086 # a box ($Text20_box) is four words: x y w h
# Starts the real program in a virtual X display at 96 dpi, waits for its window, and checks a
# few pixels that only a correct window has: a light-yellow input field, a blue placement result
# after a click on Calculate, a dark pixel on a line of the sketch, every caption's text within
# its box; the worked example's figures read back through the clipboard. Then Exit must end the
# process.
#   real_window_test.sh PATH/TO/velmora PATH/TO/velmora_window_points [DPI]
# (PATH/TO/velmora.exe and velmora_window_points.exe: the Windows programs, under Wine, where DPI
# is the resolution of the Windows display, as its scale setting makes it: 120 for 125 %, 144 for
# 150 %, 192 for 200 %; on Linux the desktop's logical resolution. The window keeps its size in
# twips, so in pixels it grows with the DPI.)
set -euo pipefail
usage="usage: real_window_test.sh PATH/TO/velmora PATH/TO/velmora_window_points [DPI]"
program=${1:?$usage}
points=${2:?$usage}
dpi=${3:-96}
work=$(mktemp -d)
source "$(dirname "$0")/../../scripts/virtual-display.sh"
app=""
virtual_display_pid=""
wine=""  # the Windows program runs under Wine
ending=30  # tenths of a second the process may take to end after Exit
# shellcheck disable=SC2317 # run by the EXIT trap
cleanup() {
  stop_process "$app"
  [ -z "$wine" ] || end_wine_prefix
  stop_process "$virtual_display_pid"
  rm -rf "$work"
}
trap cleanup EXIT

# A screen that holds the window at 200 % too (1042 x 888 pixels).
screen=1024x768
[ "$dpi" -le 144 ] || screen=1600x1200
start_virtual_display "$work" "$screen" || { echo "FAIL: no virtual X display could be started"; exit 1; }
echo "virtual display $DISPLAY"
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0
if [[ $program == *.exe ]]; then
  # A fresh Windows of its own, on this display: Wine's clipboard lives with its first window.
  wine=wine
  source "$(dirname "$0")/../../scripts/windows/wine-prefix.sh"
  unset QT_QPA_PLATFORM
  new_wine_prefix "$work/wine"
  ending=100  # Wine tears a Windows process down in a second or two
  # Windows' display scale: the system's logical resolution, which Wine keeps in both places.
  for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  done
elif [ "$dpi" != 96 ]; then
  # A Linux desktop's logical resolution, as its font settings (Xft.dpi) give it to Qt; the
  # variable is the same setting for one program.
  export QT_FONT_DPI=$dpi
fi
# Window pixels of a length in twips, 1440 to the inch, rounded to the nearest.
px() { echo $((($1 * dpi + 720) / 1440)); }
# Where the layout puts each element, in window pixels: Command1_x, Command1_y, Text20_box, ...
eval "$($wine "$points" "$dpi" | tr -d '\r')"

$wine "$program" & app=$!
if ! wait_for_window "$app"; then
  echo "FAIL: no window appeared"
  kill -0 "$virtual_display_pid" 2>/dev/null || echo "(the virtual display had ended)"
  cat "$work/xvfb.log"
  exit 1
fi
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
echo "window $WIDTH x $HEIGHT at $X,$Y"
# The client area, 7812 x 6660 twips; Qt scales a window of whole pixels at 96 dpi, so a pixel of
# rounding either way.
want_width=$(px 7812) want_height=$(px 6660)
if [ $((WIDTH - want_width)) -lt -1 ] || [ $((WIDTH - want_width)) -gt 1 ] ||
  [ $((HEIGHT - want_height)) -lt -1 ] || [ $((HEIGHT - want_height)) -gt 1 ]; then
  echo "FAIL: client area is not $want_width x $want_height"
  exit 1
fi

# Colour of the screen pixel at window coordinates (x, y) as rrggbb.
pixel() { convert "$1" -crop "1x1+$((X + $2))+$((Y + $3))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }
# How many pixels of a colour lie in a window box (x y w h colour).
count() { convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" -depth 8 txt:- | grep -c "$6" || true; }
# How many dark pixels (of text or a line, under half brightness) lie in a window box (x y w h).
dark() {
  convert "$1" -crop "$4x$5+$((X + $2))+$((Y + $3))" -colorspace Gray -depth 8 txt:- |
    awk -F'[()]' 'NR > 1 { split($2, v, ","); if (v[1] + 0 < 128) n++ } END { print n + 0 }'
}

fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got $2, want $3)"; fail=1; fi; }

# The title as the window system holds it, which every window manager and task bar shows.
title="カセグレン副反射鏡 計算プログラム"
check "_NET_WM_NAME" "$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')" "$title"
check "WM_NAME" "$(xprop -id "$window" WM_NAME | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')" "$title"
# Wine names a Windows program's windows after its file.
check "application name" "$(xprop -id "$window" WM_CLASS | sed -n 's/^[^=]*= "\([^"]*\)".*$/\1/p')" \
  "velmora${wine:+.exe}"

import -window root "$work/start.png"
# Right end of Text1 (twips 600..1572 x 480..744): light yellow, clear of the digits.
check "light-yellow input field" "$(pixel "$work/start.png" "$(px 1470)" "$(px 600)")" "#FFFFC0"
# Line9, the back of the sub-reflector, at x = 3480 twips: a pixel wide at 96 dpi, scaled above it.
line9=$(count "$work/start.png" $(($(px 3480) - 1)) "$(px 5250)" 3 1 '#000000')
if [ "$line9" -gt 0 ]; then echo "ok: dark pixel on the sketch"; else
  echo "FAIL: no dark pixel on the sketch's Line9"; fail=1; fi
# Each caption's text whole within its box: no ink on the box's right or bottom edge, where a text
# too wide or too tall for its box would be cut. A field or button drawn beside it, over the box's
# right part, ends the box there. Not the sketch's seven captions: its lines cross their boxes.
sketch_captions=" Label18 Label19 Label22 Label25 Label26 Label27 Label28 "
cut=""
for name in $(compgen -v | sed -n 's/^\(Label[0-9]*\)_box$/\1/p'); do
  [[ $sketch_captions != *" $name "* ]] || continue
  box=${name}_box
  read -r left top width height <<<"${!box}"
  for other in $(compgen -v | sed -n 's/^\(\(Text\|Command\)[0-9]*_box\)$/\1/p'); do
    read -r o_left o_top _ o_height <<<"${!other}"
    middle=$((top + height / 2))
    if [ "$o_left" -gt "$left" ] && [ "$o_left" -lt $((left + width)) ] &&
      [ "$o_top" -le "$middle" ] && [ $((o_top + o_height)) -gt "$middle" ]; then
      width=$((o_left - left))
    fi
  done
  edges=$(($(dark "$work/start.png" $((left + width - 1)) "$top" 1 "$height") +
    $(dark "$work/start.png" "$left" $((top + height - 1)) "$width" 1)))
  [ "$edges" -eq 0 ] || cut="$cut $name"
done
check "every caption's text within its box" "${cut# }" ""
check "no blue before Calculate" "$(count "$work/start.png" $Text20_box '#0000C0')" "0"

# Calculate: centre of Command1.
xdotool mousemove --window "$window" "$Command1_x" "$Command1_y" click 1
sleep 1
import -window root "$work/calculated.png"
# The calculated window, to look at: one screenshot per resolution.
[ -z "$wine" ] || cp "$work/calculated.png" "/tmp/velmora-wine-$dpi.png"
blue=$(count "$work/calculated.png" $Text20_box '#0000C0')  # Text20 "37.93"
if [ "$blue" -gt 5 ]; then echo "ok: blue result after Calculate ($blue pixels)"; else
  echo "FAIL: no blue result after Calculate"; fail=1; fi

# ---- The worked example's figures, copied out of the fields as a user would and received by
# another program (xclip): the fields' centres, the table's 36 rows.
copy_out() {  # x y: the whole text of the field there
  xdotool mousemove --window "$window" "$1" "$2" click 1
  xdotool key ctrl+a ctrl+c
  sleep 0.3
  timeout 10 xclip -o -selection clipboard 2>/dev/null || true
}
if command -v xclip >/dev/null; then
  check "Text5" "$(copy_out "$Text5_x" "$Text5_y")" "159.951"
  check "Text14" "$(copy_out "$Text14_x" "$Text14_y")" "906.793409"
  check "Text20" "$(copy_out "$Text20_x" "$Text20_y")" "37.93"
  check "Text21" "$(copy_out "$Text21_x" "$Text21_y")" "98.11"
  copy_out "$Text15_x" "$Text15_y" >"$work/table.txt"
  check "the table's rows" "$(wc -l <"$work/table.txt")" "36"
  check "the table's last row" "$(tail -1 "$work/table.txt")" "  35.00   3.740"
fi
# ---- end of the figures block

# ---- Profile table: a million rows shown, copied out whole, and the next click answered.
# START 1, STOP 1000000 (Text17, Text18), Calculate; then a click into the table (Text15), Ctrl+A,
# Ctrl+C, and another program (xclip) must receive all 1,000,000 rows; then Clear must empty
# Text20 at once.
type_into() {  # window x y text: select the field's text and type over it
  xdotool mousemove --window "$window" "$1" "$2" click 1
  xdotool key ctrl+a
  xdotool type --delay 0 "$3"
}
# Reads the clipboard through xclip until it holds `lines` rows or `seconds` pass.
read_clipboard() {
  local lines=$1 seconds=$2 began=$SECONDS
  while [ $((SECONDS - began)) -lt "$seconds" ]; do
    timeout 30 xclip -o -selection clipboard >"$work/clipboard.txt" 2>/dev/null || true
    [ "$(wc -l <"$work/clipboard.txt")" -eq "$lines" ] && return 0
    sleep 1
  done
  return 1
}
# The table's size does not depend on the screen: a million rows at 96 dpi only.
if [ "$dpi" != 96 ]; then
  echo "skip: the million-row table (checked at 96 dpi)"
elif command -v xclip >/dev/null; then
  type_into "$Text17_x" "$Text17_y" 1
  type_into "$Text18_x" "$Text18_y" 1000000
  xdotool mousemove --window "$window" "$Command1_x" "$Command1_y" click 1
  xdotool mousemove --window "$window" "$Text15_x" "$Text15_y" click 1
  xdotool key ctrl+a ctrl+c
  if read_clipboard 1000000 120; then
    rows_ok=$(awk 'length($0) != 15 { bad++ } END { print bad + 0 }' "$work/clipboard.txt")
    check "a million rows copied out, 15 characters each" "$rows_ok" "0"
    check "the copy's first row" "$(head -1 "$work/clipboard.txt")" "   1.00   0.004"
  else
    echo "FAIL: the clipboard never held the million rows ($(wc -l <"$work/clipboard.txt") lines)"
    fail=1
  fi
  rm -f "$work/clipboard.txt"
  began=$(date +%s%N)
  xdotool mousemove --window "$window" "$Command3_x" "$Command3_y" click 1  # Clear
  answered=""
  for _ in $(seq 100); do
    import -window root "$work/cleared.png"
    if [ "$(count "$work/cleared.png" $Text20_box '#0000C0')" = "0" ]; then answered=yes; break; fi
    sleep 0.1
  done
  if [ -n "$answered" ]; then
    echo "ok: the next click (Clear) answered in $(( ($(date +%s%N) - began) / 1000000 )) ms"
  else
    echo "FAIL: Clear was not answered within 10 s of the million-row table"; fail=1
  fi
else
  echo "FAIL: xclip is missing (bash scripts/install-deps.sh test)"; fail=1
fi
# ---- end of the profile table block

# Exit: centre of Command2; the process must end at once.
xdotool mousemove --window "$window" "$Command2_x" "$Command2_y" click 1
for _ in $(seq "$ending"); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "FAIL: still running after Exit"; fail=1; else
  if wait "$app"; then echo "ok: Exit ended the program"; else
    echo "FAIL: the program ended with a failure code"; fail=1; fi
fi
# ---- Profile table: out of memory is a failing step. A fresh program computes the
# default table, its address space is then capped 24 MB above what it uses, and a million-row
# Calculate needs about 34 MB: it must end as a failing step (the 36-row table and the blue
# Text20 stay), the program must live on and answer Clear. AddressSanitizer reserves terabytes of
# address space, so a sanitized build cannot run under a cap: there the check is skipped.
if [ -n "$wine" ]; then
  echo "skip: out-of-memory check (Wine reserves the Windows address space up front: a cap" \
    "on it is no Windows machine out of memory)"
elif ldd "$program" | grep -q libasan; then
  echo "skip: out-of-memory check under prlimit --as (a sanitized build cannot run under an address-space cap; ctest --preset release runs it)"
elif command -v xclip >/dev/null && command -v prlimit >/dev/null; then
  "$program" & app=$!
  wait_for_window "$app" || true
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" "$Command1_x" "$Command1_y" click 1  # Calculate: 36 rows
  sleep 1
  in_use=$(awk '/^VmSize:/ { print $2 * 1024 }' "/proc/$app/status")
  prlimit --pid "$app" --as=$((in_use + 24 * 1024 * 1024))
  type_into "$Text17_x" "$Text17_y" 1
  type_into "$Text18_x" "$Text18_y" 1000000
  xdotool mousemove --window "$window" "$Command1_x" "$Command1_y" click 1
  xdotool mousemove --window "$window" "$Text15_x" "$Text15_y" click 1
  xdotool key ctrl+a ctrl+c
  sleep 2
  if kill -0 "$app" 2>/dev/null && read_clipboard 36 30; then
    check "out of memory: the table keeps its 36 rows" "$(tail -1 "$work/clipboard.txt")" "  35.00   3.740"
    import -window root "$work/oom.png"
    blue=$(count "$work/oom.png" $Text20_box '#0000C0')
    if [ "$blue" -gt 5 ]; then echo "ok: out of memory: Text20 keeps its result"; else
      echo "FAIL: out of memory: Text20 lost its result"; fail=1; fi
    xdotool mousemove --window "$window" "$Command3_x" "$Command3_y" click 1  # Clear
    sleep 1
    import -window root "$work/oom-cleared.png"
    check "out of memory: the next click (Clear) answered" \
      "$(count "$work/oom-cleared.png" $Text20_box '#0000C0')" "0"
  else
    echo "FAIL: out of memory: the program died or did not answer"; fail=1
  fi
  stop_process "$app"
  app=""
fi
# ---- end of the out-of-memory block

[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
