#!/usr/bin/env bash
# shellcheck disable=SC2154,SC2153 # the elements' places (Command1_x...) and the window's come by eval
# The faces the window is drawn in, under each set of installed fonts and in the C and the
# Japanese (ja_JP.UTF-8) session: no word with the right faces, one line naming the package when a
# fallback is taken or no face writes Japanese, and the same window in both sessions; with IPA only,
# the narrowed substitute draws a ten-character result as wide as the right faces do.
#   font_fallback_test.sh PATH/TO/velmora FONT-PACKAGE PATH/TO/velmora_window_points
#   (LOCPATH: a folder holding ja_JP.UTF-8)
set -uo pipefail
usage="usage: font_fallback_test.sh PATH/TO/velmora FONT-PACKAGE PATH/TO/velmora_window_points"
program=${1:?$usage}
package=${2:?$usage}
points=${3:?$usage}
work=$(mktemp -d)
source "$(dirname "$0")/../../scripts/virtual-display.sh"
app=""
virtual_display_pid=""
trap 'stop_process "$app"; stop_process "$virtual_display_pid"; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

# A fontconfig that knows only the given folders (none: no font at all).
fonts_conf() {  # name dir...
  local conf="$work/$1.conf" dirs="" dir
  shift
  for dir in "$@"; do dirs+="<dir>$dir</dir>"; done
  printf '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig>%s<cachedir>%s</cachedir></fontconfig>\n' \
    "$dirs" "$work/cache" >"$conf"
  echo "$conf"
}
ipa=/usr/share/fonts/opentype/ipafont-gothic
dejavu=/usr/share/fonts/truetype/dejavu

# The program's own lines on standard error; it runs until ended, two seconds build the window.
messages() {  # locale, then environment assignments
  local locale=$1; shift
  env XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    LANG="$locale" LC_ALL="$locale" "$@" timeout 3 "$program" 2>&1 >/dev/null | grep '^velmora:'
}

passed=0
failed=0
check() {  # what, message, expected: "" for none, else a glob the one line must match
  local count
  count=$(printf '%s' "$2" | grep -c .)
  # shellcheck disable=SC2053  # the expected line is a glob on purpose
  if { [ -z "$3" ] && [ "$count" -eq 0 ]; } || { [ -n "$3" ] && [ "$count" -eq 1 ] && [[ "$2" == $3 ]]; }; then
    echo "ok: $1${2:+: $2}"; passed=$((passed + 1))
  else
    echo "FAIL: $1: ${2:-no line}"; failed=$((failed + 1))
  fi
}

locales=(C)
if [ -n "${LOCPATH:-}" ] && [ -f "$LOCPATH/ja_JP.UTF-8/LC_CTYPE" ]; then
  locales+=(ja_JP.UTF-8)
else
  echo "FAIL: no ja_JP.UTF-8 locale in LOCPATH (scripts/japanese-locale.sh makes one)"; failed=$((failed + 1))
fi
for locale in "${locales[@]}"; do
  # The IPA faces list under Japanese names in a Japanese session.
  if [ "$locale" = C ]; then ipa_p="IPAPGothic"; else ipa_p="IPA Pゴシック"; fi
  check "$locale, the installed faces" "$(messages "$locale")" ""
  if [ -d "$ipa" ]; then
    check "$locale, IPA only: narrowed, and named" \
      "$(messages "$locale" FONTCONFIG_FILE="$(fonts_conf ipa "$ipa")")" \
      "velmora:*$ipa_p at 79 %*$package*"
  fi
  check "$locale, DejaVu only: no Japanese face" \
    "$(messages "$locale" FONTCONFIG_FILE="$(fonts_conf dejavu "$dejavu")")" \
    "velmora: no installed face writes Japanese*$package*"
  check "$locale, no font at all" "$(messages "$locale" FONTCONFIG_FILE="$(fonts_conf none)")" \
    "velmora: no installed face writes Japanese*$package*"
done

# The window as it shows in the virtual display after two seconds (Calculate pressed when asked),
# saved to a file: shot FILE click|noclick environment-assignments...
shot() {
  local file=$1 click=$2
  shift 2
  env QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$@" "$program" 2>/dev/null &
  app=$!
  if ! wait_for_window "$app"; then echo "FAIL: $*: no window appeared"; failed=$((failed + 1)); else
    sleep 1
    [ "$click" = noclick ] || xdotool mousemove --window "$window" "$Command1_x" "$Command1_y" click 1
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$file"
  fi
  stop_process "$app"; app=""
}

# Leftmost and rightmost column of ink (under 200 of 255 grey) in a box of an image: "x0 x1".
ink_columns() {  # file x y w h
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -depth 8 txt:- |
    awk -F'[,:()]' 'NR > 1 && $4 + 0 < 200 { if (lo == "" || $1 < lo) lo = $1; if ($1 > hi) hi = $1 }
      END { print (lo == "" ? "-1 -1" : lo " " hi) }'
}

# Where the layout puts each element, in window pixels at 96 dpi: Command1_x, Text14_box, ...
eval "$("$points" 96)"
if [ ${#locales[@]} -eq 2 ] && start_virtual_display "$work"; then
  # The same window, pixel for pixel, in both sessions: only the caret in Text1 may differ, as it
  # blinks. Text1 is the box 600,480 972x264 twips: 40,32 65x18 pixels at 96 dpi.
  for locale in "${locales[@]}"; do
    shot "$work/$locale.png" noclick LANG="$locale" LC_ALL="$locale"
    convert "$work/$locale.png" -fill black -draw "rectangle 38,30 106,52" "$work/$locale.png"
  done
  differing=$(compare -metric AE "$work/C.png" "$work/ja_JP.UTF-8.png" null: 2>&1 || true)
  if [ "$differing" = 0 ]; then echo "ok: the same window in C and ja_JP"; passed=$((passed + 1)); else
    echo "FAIL: the window differs between C and ja_JP in ${differing:-all} pixels"; failed=$((failed + 1)); fi

  # b^2 of the worked example, "906.793409" in Text14: ten half-width characters of a 9-point face,
  # about ten half ems (60 pixels) in a box of 65. The narrowed IPA face must draw it as wide as the
  # faces drawn to the legacy metrics, to a pixel either way, and whole inside the box's frame.
  if [ -d "$ipa" ]; then
    read -r left top width height <<<"$Text14_box"
    inside=("$((left + 1))" "$((top + 1))" "$((width - 2))" "$((height - 2))")
    shot "$work/right-faces.png" click LANG=C
    shot "$work/ipa-only.png" click LANG=C FONTCONFIG_FILE="$(fonts_conf ipa "$ipa")"
    read -r right0 right1 <<<"$(ink_columns "$work/right-faces.png" "${inside[@]}")"
    read -r ipa0 ipa1 <<<"$(ink_columns "$work/ipa-only.png" "${inside[@]}")"
    drawn=$((ipa1 - ipa0 + 1)) wanted=$((right1 - right0 + 1))
    if [ "$ipa0" -ge 0 ] && [ "$right0" -ge 0 ] && [ $((drawn - wanted)) -le 1 ] &&
      [ $((wanted - drawn)) -le 1 ] && [ "$ipa1" -lt $((inside[2] - 1)) ]; then
      echo "ok: IPA only: \"906.793409\" drawn $drawn pixels wide, the right faces $wanted"
      passed=$((passed + 1))
    else
      echo "FAIL: IPA only: \"906.793409\" drawn over columns $ipa0..$ipa1 of ${inside[2]}," \
        "the right faces over $right0..$right1"
      failed=$((failed + 1))
    fi
  fi
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
