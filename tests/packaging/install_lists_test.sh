#!/usr/bin/env bash
# Each command installs what it runs, and the run list nothing else: for every program or file a
# purpose uses, the Debian package that owns it on this machine (dpkg -S) must be in that
# purpose's list of scripts/install-deps.sh, or be a direct dependency of a listed package (a
# metapackage such as imagemagick or libclang-rt-dev); and every package of the run list must be
# the owner of something running uses.
#   install_lists_test.sh FONT_PACKAGE
set -uo pipefail
font_package=${1:?usage: install_lists_test.sh FONT_PACKAGE}
cd "$(dirname "$0")/../.." || exit 1

# purpose | a program (found on PATH) or a file (absolute, a glob) | why
rows=(
  "run|cmake|configures and builds"
  "run|ninja|the presets' generator"
  "run|g++|the compiler"
  "run|pkg-config|Qt's CMake files find the X keyboard library by it"
  "run|fc-match|the window's faces are found through fontconfig"
  "run|/usr/lib/*/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake|Qt Widgets to build against"
  "run|/usr/lib/*/qt6/plugins/platforms/libqvnc.so|Qt's platform plugins, a declared dependency"
  "run|/usr/share/qt6/translations/qtbase_ja.qm|Qt's Japanese texts"
  "test|/usr/lib/*/cmake/GTest/GTestConfig.cmake|GoogleTest"
  "test|/usr/include/gmock/gmock.h|GoogleMock"
  "test|clang++|the debug-clang preset and the fuzzers"
  "test|/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.asan-x86_64.a|clang's AddressSanitizer"
  "test|/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a|libFuzzer"
  "test|run-clang-tidy|scripts/clang-tidy.sh"
  "test|clang-format|scripts/lint.sh checks the sources' format"
  "test|shellcheck|scripts/lint.sh checks the shell scripts"
  "test|/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf|the face of the font fallback test"
  "test|Xvfb|the real-window test"
  "test|xdpyinfo|scripts/virtual-display.sh waits for the display with it"
  "test|xprop|the real-window test reads the window's title"
  "test|xdotool|the real-window test clicks"
  "test|xclip|the real-window test reads the clipboard"
  "test|import|the real-window test reads pixels"
  "test|desktop-file-validate|the desktop entry's check"
  "test|appstreamcli|the AppStream description's check"
  "test|/usr/bin/python3|the icon check and the mutation check"
  "test|pdftoppm|the design PDF's check renders its pages"
  "test|pdftotext|the design PDF's check reads its texts"
  "test|ezdxf|the section drawing read back"
  "test|admesh|the printable solid read back"
  "test|patch|the check of the Windows Qt build's patch step"
  "package|dpkg-shlibdeps|CPack's dependencies of the program"
  "package|lintian|the package check"
  "package|file|the package check's icon and gzip checks"
  "package|Xvfb|the package check starts the unpacked program"
  "package|xdpyinfo|scripts/virtual-display.sh"
  "package|xdotool|the package check finds the window and clicks Exit"
  "bench|/usr/lib/*/cmake/benchmark/benchmarkConfig.cmake|Google Benchmark"
  "bench|Xvfb|the window benchmark in a real X server"
  "bench|xdotool|the start-up benchmark waits for the window"
  "bench|xclip|the window benchmark reads the copy back"
)

fail=0
failed() { echo "FAIL: $*"; fail=1; }

# The package owning a program or file, as dpkg knows it (links resolved, usr-merge both ways).
owner() {
  local path
  if [[ $1 == /* ]]; then
    path=$(compgen -G "$1" | awk 'NR == 1')
  else
    path=$(command -v "$1")
  fi
  [[ -n "$path" ]] || return 1
  local p q found
  for p in "$path" "$(readlink -f "$path")"; do
    for q in "$p" "${p#/usr}"; do
      found=$(dpkg -S "$q" 2>/dev/null | awk -F'[:,]' 'NR == 1 { print $1 }') || true
      [[ -n "$found" ]] && { echo "$found"; return 0; }
    done
  done
  return 1
}

# The list of a purpose with the direct dependencies of its packages, as "package listed-as".
covered() {
  local listed
  while read -r listed; do
    echo "$listed $listed"
    # shellcheck disable=SC2020  # both separators, the list's "," and the alternatives' "|", end a name
    dpkg-query -W -f='${Depends},${Pre-Depends}' "$listed" 2>/dev/null | tr ',|' '\n\n' |
      sed 's/([^)]*)//; s/:any//; s/^ *//; s/ *$//' | grep . | sed "s/\$/ $listed/"
  done < <(bash scripts/install-deps.sh --list "$1")
}

declare -A used_by_run=(["$font_package"]=1)
for purpose in run test package bench; do
  coverage=$(covered "$purpose")
  for row in "${rows[@]}"; do
    IFS="|" read -r row_purpose what why <<<"$row"
    [[ $row_purpose == run || $row_purpose == "$purpose" ]] || continue
    if ! package=$(owner "$what"); then
      failed "$purpose: $what ($why) is not installed"
      continue
    fi
    # The package itself when it is listed, else the listed package that pulls it in.
    listed=$(awk -v p="$package" '$1 == p { print ($1 == $2 ? 0 : 1), $2 }' <<<"$coverage" |
      sort | awk 'NR == 1 { print $2 }')
    if [[ -z "$listed" ]]; then
      failed "$purpose: $what ($why) comes from $package, which install-deps.sh $purpose leaves out"
    elif [[ $purpose == run ]]; then
      used_by_run[$listed]=1
    fi
  done
done
# grep without -q: it reads the whole list, so that the lister never dies of SIGPIPE, which
# pipefail would report as a failure now and then.
if ! bash scripts/install-deps.sh --list run | grep -x -- "$font_package" >/dev/null; then
  failed "run: the faces' package $font_package is not installed"
fi
while read -r listed; do
  [[ -n "${used_by_run[$listed]:-}" ]] ||
    failed "run: $listed is installed though running uses nothing of it"
done < <(bash scripts/install-deps.sh --list run)

[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
