#!/usr/bin/env bash
# Installs the Debian packages one purpose of velmora needs, and nothing for the others:
#   install-deps.sh run       build the program and start it (scripts/run.sh)
#   install-deps.sh test      build and run the tests, the clang build, clang-tidy, the fuzzers
#   install-deps.sh package   build the Debian package and check it (package.sh, check-package.sh)
#   install-deps.sh bench     the benchmarks (release preset) and their real-window scripts
#   install-deps.sh windows   cross-build velmora.exe and its installer, check them under Wine
# Several purposes may be given at once. Idempotent: silent when everything is there, and runs
# apt-get update only when something must be installed. With --list first, prints the packages of
# the purposes, one a line, and installs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Japanese faces are named once, in CMakeLists.txt (VELMORA_FONT_PACKAGE).
font_package=$(sed -n 's/^set(VELMORA_FONT_PACKAGE "\([^"]*\)".*/\1/p' CMakeLists.txt)
if [[ -z "$font_package" ]]; then
  echo "install-deps.sh: no VELMORA_FONT_PACKAGE in CMakeLists.txt" >&2
  exit 1
fi

# What the program needs to be built and to run: the compiler, Qt, Qt's X11 plugin and Japanese
# texts, the faces.
run=(cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fontconfig "$font_package")
# The tests: GoogleTest, clang with its sanitizer and libFuzzer runtimes (the distribution's
# default version), clang-tidy, a face to fall back to, the real window under Xvfb and its tools,
# the validators of the desktop entry and the AppStream description, Python for the icon check,
# the locale sources from which the tests make a Japanese session of their own, the linters, the
# readers that the part files (PDF, DXF, STL) are checked with, and patch for the check of the
# Windows Qt build's patch step.
test=(libgtest-dev libgmock-dev clang libclang-rt-dev clang-tidy clang-format shellcheck locales
  fonts-ipafont-gothic xvfb x11-utils xdotool xclip imagemagick
  desktop-file-utils appstream python3 python3-ezdxf admesh poppler-utils patch)
# The package and its check: dpkg-shlibdeps, lintian, and the unpacked program under Xvfb.
package=(dpkg-dev file gzip lintian xvfb x11-utils xdotool)
bench=(libbenchmark-dev xvfb x11-utils xdotool xclip)
# The Windows build: the MinGW-w64 compilers (posix threads, for std::thread and Qt), Wine to run
# the result, NSIS for the installer, pefile to read the version record back, the archivers, and
# dpkg-dev for `apt-get source`.
windows=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 nsis python3-pefile icoutils zip unzip dpkg-dev)

list_only=""
[[ "${1:-}" == --list ]] && { list_only=yes; shift; }
[[ $# -gt 0 ]] || { echo "usage: install-deps.sh [--list] run|test|package|bench|windows..." >&2; exit 2; }
packages=()
for purpose in "$@"; do
  case $purpose in
    run) packages+=("${run[@]}") ;;
    test) packages+=("${run[@]}" "${test[@]}") ;;
    package) packages+=("${run[@]}" "${package[@]}") ;;
    bench) packages+=("${run[@]}" "${bench[@]}") ;;
    windows) packages+=("${run[@]}" "${windows[@]}") ;;
    *) echo "install-deps.sh: unknown purpose '$purpose' (run, test, package, bench, windows)" >&2
      exit 2 ;;
  esac
done

mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
if [[ -n "$list_only" ]]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# apt may be busy with another installer: wait for its lock rather than fail.
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
