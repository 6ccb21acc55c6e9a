#!/usr/bin/env bash
# Builds a static Qt (qtbase) for 64-bit Windows from Debian's own source package, once, into a
# cache folder named after the Qt version, the compiler and a hash of everything that makes the
# build (Debian's full version of qt6-base with its revision, the compiler's full version, this
# script, the script that applies the patches, the patches, the toolchain file): change any of
# them and the next run builds anew. Prints
# that folder, alone, on standard output; each phase reports itself and its time on standard error,
# and a failing phase ends the script with the last lines of its log. With the cache present it
# does nothing else. The host Qt of Debian (moc, rcc, uic) serves the cross build.
#   VELMORA_CACHE   cache root (default ~/.cache/velmora)
#   VELMORA_JOBS    parallel compile jobs (default 2)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
here=$repo/scripts/windows
toolchain=$repo/cmake/toolchains/mingw-w64-x86_64.cmake
bash "$repo/scripts/install-deps.sh" windows >&2

triple=x86_64-w64-mingw32
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)  # e.g. 6.4.2+dfsg-10
qt_version=${host_version%%+*}
qt_version=${qt_version%%-*}
gcc_version=$("$triple-gcc-posix" -dumpversion)
gcc_major=${gcc_version%%[.-]*}
gcc_package=$(dpkg-query -W -f='${Version}' "gcc-mingw-w64-x86-64-posix" 2>/dev/null || true)
recipe=$({
  echo "qt6-base $host_version; $triple-gcc $gcc_version ($gcc_package)"
  cat "$here/build-qt.sh" "$here/apply-patches.sh" "$here"/qt-patches/*.patch "$toolchain"
} | sha256sum)
name=qt-$qt_version-$triple-gcc$gcc_major-${recipe:0:12}
cache=${VELMORA_CACHE:-$HOME/.cache/velmora}
prefix=$cache/$name
if [[ -f $prefix/.complete ]]; then
  echo "$prefix"
  exit 0
fi

started=$SECONDS
phase_start=$SECONDS
phase() {  # names the phase that starts now, after the time the last one took
  local now=$SECONDS
  echo "build-qt: $* (after $((now - phase_start)) s; $((now - started)) s in all)" >&2
  phase_start=$now
}
# Runs a command with its output in a log; on failure, the log's last lines and where it is.
logged() {
  local log=$1
  shift
  if ! "$@" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build-qt: FAILED: $* (the whole log: $log)" >&2
    exit 1
  fi
}
echo "build-qt: building Qt $qt_version for Windows into $prefix: some 20 minutes on two" \
  "idle cores, once" >&2

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

# `apt-get source` needs deb-src entries: the same archives, suites and components this
# machine installs from, with the source type.
if ! apt-get source --print-uris "qt6-base=$host_version" >/dev/null 2>&1; then
  python3 - <<'PY' | "${sudo[@]}" tee /etc/apt/sources.list.d/velmora-deb-src.sources >/dev/null
import glob, os, re
stanzas = []
for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    if path.endswith("velmora-deb-src.sources"):
        continue
    for block in re.split(r"\n\s*\n", open(path, encoding="utf-8").read()):
        fields = dict(re.findall(r"^([A-Za-z-]+):\s*(.*)$", block, re.M))
        if "deb" in fields.get("Types", "").split() and fields.get("Enabled", "yes") != "no":
            fields["Types"] = "deb-src"
            stanzas.append("\n".join(f"{k}: {v}" for k, v in fields.items()))
legacy = "/etc/apt/sources.list"
for line in open(legacy, encoding="utf-8").read().splitlines() if os.path.exists(legacy) else []:
    m = re.match(r"^deb\s+(\[[^]]*\]\s+)?(\S+)\s+(\S+)\s+(.*)$", line.strip())
    if m:
        stanzas.append(f"Types: deb-src\nURIs: {m[2]}\nSuites: {m[3]}\nComponents: {m[4]}")
print("\n\n".join(stanzas))
PY
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq >&2
fi

work=$cache/build-$name
mkdir -p "$work"
cd "$work"
# The source is unpacked afresh on every build, so the patches always meet Qt's own text; the
# download is kept.
phase "fetching and unpacking Debian's qt6-base $host_version"
# The .dsc of exactly this version (its name drops the epoch): another version's download left
# in the folder is neither unpacked nor in the way.
dsc=qt6-base_${host_version#*:}.dsc
if [[ ! -f $dsc ]]; then
  logged "$work/source.log" apt-get source --download-only "qt6-base=$host_version"
fi
rm -rf source
logged "$work/source.log" dpkg-source -x "./$dsc" source
source_dir=source

# Debian's source leaves out Wintab's headers (their licence forbids changes), which the windows
# platform plugin includes for graphics tablets; Debian's Wine headers declare the same interface.
wintab=$source_dir/src/3rdparty/wintab
if [[ ! -f $wintab/wintab.h ]]; then
  rm -rf wine-headers && mkdir wine-headers
  (cd wine-headers && logged "$work/wine-headers.log" apt-get download libwine-dev &&
    dpkg-deb -x libwine-dev_*.deb .)
  mkdir -p "$wintab"
  cp wine-headers/usr/include/wine/wine/windows/wintab.h "$wintab/wine_wintab.h"
  cp wine-headers/usr/include/wine/wine/windows/pktdef.h "$wintab/pktdef.h"
  cat >"$wintab/wintab.h" <<'HEADER'
/* Wine's declarations of the Wintab interface, with the Wine macros they use. */
#ifndef VELMORA_WINTAB_H
#define VELMORA_WINTAB_H
#include <windows.h>
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#ifndef API
#define API WINAPI
#endif
#include "wine_wintab.h"
#endif
HEADER
fi

phase "patching"
bash "$here/apply-patches.sh" "$source_dir" "$here/qt-patches"

# Only what velmora uses: Core, Gui, Widgets, Print Support (with the PDF writer and the print
# dialog, whose date fields need the calendar) and Test, the windows and offscreen platforms and
# the windowsvista style; qtbase's bundled zlib, PCRE2, FreeType, HarfBuzz, libpng and
# double-conversion, so that nothing beyond Windows' own DLLs is needed.
off_features=(
  network sql dbus opengl vulkan concurrent xml
  sessionmanager systemtrayicon textodfwriter textmarkdownreader textmarkdownwriter
  zstd jpeg gif ico direct2d tuiotouch imageformatplugin movie
  dial dockwidget fontcombobox fontdialog colordialog
  lcdnumber mdiarea splashscreen undoview undocommand undogroup undostack wizard
  syntaxhighlighter toolbox
)
options=()
for f in "${off_features[@]}"; do options+=("-DFEATURE_$f=OFF"); done

phase "configuring"
rm -rf build
logged "$work/configure.log" cmake -S "$source_dir" -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DBUILD_SHARED_LIBS=OFF \
  -DFEATURE_static_runtime=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_png=ON \
  -DFEATURE_style_windowsvista=ON -DFEATURE_style_fusion=ON \
  "${options[@]}"

phase "compiling (a line every tenth of the way)"
# Ninja numbers its steps "[done/total]": every tenth is reported, the whole output is logged.
if ! cmake --build build --parallel "${VELMORA_JOBS:-2}" 2>&1 | tee "$work/build.log" |
  awk '
    match($0, /^\[[0-9]+\/[0-9]+\]/) {
      split(substr($0, 2, RLENGTH - 2), n, "/")
      tenth = int(10 * n[1] / n[2])
      if (tenth > shown) { shown = tenth; printf "build-qt: %d0 %% (%d of %d steps)\n", tenth, n[1], n[2] > "/dev/stderr" }
    }'; then
  grep -E -B2 -A12 'FAILED:|error:' "$work/build.log" | tail -n 40 >&2 || tail -n 40 "$work/build.log" >&2
  echo "build-qt: FAILED: compiling Qt (the whole log: $work/build.log)" >&2
  exit 1
fi
phase "installing"
logged "$work/install.log" cmake --install build
touch "$prefix/.complete"
# Older builds of another recipe are of no more use: only the newest is kept.
find "$cache" -mindepth 1 -maxdepth 1 -name "*-$triple-*" ! -name "$name" ! -name "build-$name" \
  -exec rm -rf {} +
rm -rf "$work/source" "$work/build"
phase "done"
echo "$prefix"
