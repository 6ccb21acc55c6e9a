#!/usr/bin/env bash
# Where the Ume Gothic faces are missing, the window falls back to another Japanese Gothic face,
# narrowed until its digits are half an em, and says once which package gives the right faces.
#   font_fallback_test.sh PATH/TO/velmora
set -uo pipefail
program=${1:?usage: font_fallback_test.sh PATH/TO/velmora}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ipa=/usr/share/fonts/opentype/ipafont-gothic
if [ ! -d "$ipa" ]; then
  echo "skipped: no IPA Gothic faces to fall back to ($ipa)"
  exit 0
fi
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$ipa</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
mkdir -m 700 "$work/runtime"
# The program runs until it is ended; two seconds are enough to build the window.
messages() {
  env XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$@" \
    timeout 3 "$program" 2>&1 >/dev/null | grep '^velmora:'
}
fail=0
fallback=$(messages FONTCONFIG_FILE="$work/fonts.conf")
if [ "$(printf '%s\n' "$fallback" | grep -c .)" -eq 1 ] &&
  [[ "$fallback" == *"IPAPGothic at 79 %"* && "$fallback" == *fonts-horai-umefont* ]]; then
  echo "ok: fallback named once: $fallback"
else
  echo "FAIL: fallback message: ${fallback:-none}"
  fail=1
fi
usual=$(messages)
if [ -z "$usual" ]; then echo "ok: no message with the right faces"; else
  echo "FAIL: message with the right faces: $usual"; fail=1; fi
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
