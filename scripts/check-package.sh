#!/usr/bin/env bash
# Checks a built velmora package the way Debian and a user meet it: its version is the project's,
# it declares what the program loads at run time, it carries the program, desktop entry, icons,
# description and Debian's own files, lintian finds no error, and the program unpacked from it
# starts in a virtual X display and ends on Exit. A check whose tool is missing is skipped with
# the reason.
#   check-package.sh [PATH/TO/velmora_VERSION_ARCH.deb [BUILD_DIR]]
# default: the newest package in build/package; BUILD_DIR, the build that made it, is by default
# the package's own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck disable=SC2012  # newest first by time; the names are the build's own, plain ASCII
deb=${1:-$(ls -t build/package/velmora_*.deb 2>/dev/null | head -1 || true)}
[ -f "$deb" ] || { echo "FAIL: no package; build it with: bash scripts/package.sh"; exit 1; }
build=${2:-$(dirname "$deb")}
echo "checking $deb"

passed=0 failed=0
pass() { echo "ok: $1"; passed=$((passed + 1)); }
fail() { echo "FAIL: $1"; failed=$((failed + 1)); }
expect() { if [ "$2" = "$3" ]; then pass "$1 ($2)"; else fail "$1 (got '$2', want '$3')"; fi; }

work=$(mktemp -d)
source scripts/virtual-display.sh
app=""
virtual_display_pid=""
cleanup() { stop_process "$app"; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT
root="$work/root"
dpkg-deb -x "$deb" "$root"
doc="$root/usr/share/doc/velmora"

# The version as the package build made it from project(VERSION) (cmake/VelmoraVersion.cmake),
# and the names of the runtime pieces, from that build's cache; the window's pixels from the
# layout, by the tool built with the package.
cache="$build/CMakeCache.txt"
version=$(sed -n 's/^VELMORA_DISPLAY_VERSION:INTERNAL=//p' "$cache" 2>/dev/null || true)
[ -n "$version" ] || fail "no VELMORA_DISPLAY_VERSION in the package build's CMakeCache.txt"
expect "package version is the project's" "$(dpkg-deb -f "$deb" Version)" "$version"
expect "newest AppStream release is the project's version" \
  "$(grep -o '<release version="[^"]*"' "$root"/usr/share/metainfo/*.metainfo.xml | head -1 |
    cut -d'"' -f2)" "$version"
expect "newest changelog entry is the project's version" \
  "$(zcat "$doc/changelog.gz" | head -1 | sed -n 's/^velmora (\([^)]*\)).*/\1/p')" "$version"

# Qt's widgets come from the linker's view (dpkg-shlibdeps); the rest is loaded at run time and
# must be named: the X11 platform plugin, Qt's Japanese texts, the Japanese faces.
font_package=$(sed -n 's/^VELMORA_FONT_PACKAGE:STRING=//p' "$cache" 2>/dev/null || true)
[ -n "$font_package" ] || fail "no VELMORA_FONT_PACKAGE in the package build's CMakeCache.txt"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n ${font_package:+"$font_package"}; do
  if grep -qE "(^|, )$needed( |,|$)" <<<"$depends"; then pass "depends on $needed"; else
    fail "does not depend on $needed (Depends: $depends)"; fi
done

# What a desktop and a software centre look for, where they look for it.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for path in usr/bin/velmora usr/bin/velmora-cli "usr/lib/$multiarch/velmora/velmora-cli-pdf.so" \
    usr/share/applications/velmora.desktop \
    usr/share/metainfo/org.velmora.velmora.metainfo.xml usr/share/man/man1/velmora.1.gz \
    usr/share/man/man1/velmora-cli.1.gz \
    usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz; do
  if [ -f "$root/$path" ]; then pass "carries /$path"; else fail "lacks /$path"; fi
done
# Debian's compressed documents carry no name or time stamp, so that rebuilds are byte-identical.
for gz in "$doc/changelog.gz" "$root"/usr/share/man/man1/velmora*.1.gz; do
  if [ -f "$gz" ] && ! file "$gz" | grep -q "last modified"; then pass "${gz#"$root"} has no time stamp"
  else fail "${gz#"$root"} missing or stamped: $(file -b "$gz")"; fi
done
for size in 16 32; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/velmora.png"
  if [ -f "$icon" ] && file "$icon" | grep -q "PNG image data, $size x $size,"; then
    pass "icon of $size x $size pixels in the hicolor theme"
  else
    fail "no $size x $size PNG at ${icon#"$root"}"
  fi
done
scalable="$root/usr/share/icons/hicolor/scalable/apps/velmora.svg"
if [ -f "$scalable" ] && file "$scalable" | grep -q "SVG Scalable Vector Graphics image"; then
  pass "scalable icon in the hicolor theme"
else
  fail "no SVG at ${scalable#"$root"}"
fi
entry="$root/usr/share/applications/velmora.desktop"
exec_name=$(sed -n 's/^Exec=//p' "$entry")
if [ -n "$exec_name" ] && [ -x "$root/usr/bin/$exec_name" ]; then
  pass "desktop entry starts the packaged program"
else
  fail "desktop entry's Exec=$exec_name is no program of the package"
fi
# The shell's program from the unpacked package, with no display at all: the default design.
expect "the packaged velmora-cli computes the default design" \
  "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/velmora-cli" --json 2>&1 |
    grep -o '"focal-length": {"text": "[^"]*"')" '"focal-length": {"text": "159.951"'
# Its PDF from the maker it loads from the package's own folder, found from the program's place.
if env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/velmora-cli" --pdf "$work/design.pdf" \
    >/dev/null 2>"$work/pdf.log" && [ "$(head -c 5 "$work/design.pdf")" = "%PDF-" ]; then
  pass "the packaged velmora-cli writes a PDF"
else
  fail "the packaged velmora-cli writes no PDF: $(cat "$work/pdf.log")"
fi
expect "desktop entry's icon is the packaged one" "$(sed -n 's/^Icon=//p' "$entry")" \
  "$(basename "$(ls "$root"/usr/share/icons/hicolor/32x32/apps/*.png)" .png)"
expect "desktop entry's menu categories" "$(sed -n 's/^Categories=//p' "$entry")" "Science;Engineering;"

if command -v lintian >/dev/null; then
  lintian --fail-on error --display-info "$deb" >"$work/lintian.txt" 2>&1 && status=0 || status=$?
  grep -v "running with root privileges" "$work/lintian.txt" || true
  if [ "$status" -eq 0 ]; then pass "lintian: no error"; else fail "lintian found errors"; fi
else
  echo "SKIPPED: lintian not found; install lintian (scripts/install-deps.sh package)"
fi

# The program from the unpacked package, not from a build tree: its window appears in a
# virtual X display, and Exit (a click on the centre of Command2) ends it cleanly.
points="$build/velmora_window_points"
if [ ! -x "$points" ]; then
  fail "no $points in the package's build; build it with: bash scripts/package.sh"
elif ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIPPED: unpacked program not started; install xvfb and xdotool" \
    "(scripts/install-deps.sh package)"
elif ! start_virtual_display "$work"; then
  fail "no virtual X display could be started"
else
  QT_QPA_PLATFORM=xcb "$root/usr/bin/velmora" >"$work/program.log" 2>&1 & app=$!
  if ! wait_for_window "$app"; then
    fail "the unpacked program showed no window"
    cat "$work/program.log"
  else
    pass "the unpacked program shows its window"
    sleep 0.5
    eval "$("$points")"  # sets ElementName_x and _y for every element of the window
    # shellcheck disable=SC2154  # Command2_x and Command2_y come from the eval above
    xdotool mousemove --window "$window" "$Command2_x" "$Command2_y" click 1
    for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app" 2>/dev/null; then fail "the unpacked program still runs after Exit"
    elif wait "$app"; then pass "Exit ends the unpacked program"
    else fail "the unpacked program ended with a failure code"; cat "$work/program.log"; fi
    app=""
  fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
