#!/usr/bin/env bash
# The faces the window is drawn in, under each set of installed fonts and in the C and the
# Japanese (ja_JP.UTF-8) session: no word with the right faces, one line naming the package when a
# fallback is taken or no face writes Japanese, and the same window in both sessions.
#   font_fallback_test.sh PATH/TO/velmora FONT-PACKAGE   (LOCPATH: a folder holding ja_JP.UTF-8)
set -uo pipefail
program=${1:?usage: font_fallback_test.sh PATH/TO/velmora FONT-PACKAGE}
package=${2:?usage: font_fallback_test.sh PATH/TO/velmora FONT-PACKAGE}
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

# The same window, pixel for pixel, in both sessions: only the caret in Text1 may differ, as it
# blinks. Text1 is the box 600,480 972x264 twips: 40,32 65x18 pixels at 96 dpi.
if [ ${#locales[@]} -eq 2 ] && start_virtual_display "$work"; then
  for locale in "${locales[@]}"; do
    env LANG="$locale" LC_ALL="$locale" QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 "$program" &
    app=$!
    if ! wait_for_window "$app"; then echo "FAIL: $locale: no window appeared"; failed=$((failed + 1)); else
      sleep 1
      eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
      import -window root "$work/screen.png"
      convert "$work/screen.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage \
        -fill black -draw "rectangle 38,30 106,52" "$work/$locale.png"
    fi
    stop_process "$app"; app=""
  done
  differing=$(compare -metric AE "$work/C.png" "$work/ja_JP.UTF-8.png" null: 2>&1 || true)
  if [ "$differing" = 0 ]; then echo "ok: the same window in C and ja_JP"; passed=$((passed + 1)); else
    echo "FAIL: the window differs between C and ja_JP in ${differing:-all} pixels"; failed=$((failed + 1)); fi
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
