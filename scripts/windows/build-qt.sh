#!/usr/bin/env bash
# Builds a static Qt (qtbase) for 64-bit Windows from Debian's own source package, once, into a
# cache folder named after the Qt version and the compiler; prints that folder. With the cache
# present it does nothing else. The host Qt of Debian (moc, rcc, uic) serves the cross build.
#   VELMORA_CACHE   cache root (default ~/.cache/velmora)
#   VELMORA_JOBS    parallel compile jobs (default 2)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
bash "$repo/scripts/install-deps.sh" windows

triple=x86_64-w64-mingw32
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)  # e.g. 6.4.2+dfsg-10
qt_version=${host_version%%+*}
qt_version=${qt_version%%-*}
gcc_major=$("$triple-gcc-posix" -dumpversion)
gcc_major=${gcc_major%%[.-]*}
cache=${VELMORA_CACHE:-$HOME/.cache/velmora}
prefix=$cache/qt-$qt_version-$triple-gcc$gcc_major
if [[ -f $prefix/.complete ]]; then
  echo "$prefix"
  exit 0
fi

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
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
fi

work=$cache/build-qt-$qt_version-$triple-gcc$gcc_major
mkdir -p "$work"
cd "$work"
source_dir=$(find . -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -1)
if [[ -z $source_dir ]]; then
  apt-get source -qq "qt6-base=$host_version" >/dev/null
  source_dir=$(find . -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -1)
fi

# Debian's source leaves out Wintab's headers (their licence forbids changes), which the windows
# platform plugin includes for graphics tablets; Debian's Wine headers declare the same interface.
wintab=$source_dir/src/3rdparty/wintab
if [[ ! -f $wintab/wintab.h ]]; then
  rm -rf wine-headers && mkdir wine-headers
  (cd wine-headers && apt-get download -qq libwine-dev 2>/dev/null && dpkg-deb -x libwine-dev_*.deb .)
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

# Qt 6.4's windows platform plugin asks for the dynamic OpenGL loader without asking whether
# OpenGL is built at all, and for the DirectWrite font database (an option, GDI's is the default)
# without asking whether Direct2D, which Qt Gui builds it with, is there.
plugin=$source_dir/src/plugins/platforms/windows
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$plugin/qwindowswindow.cpp"
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$plugin/qwindowsintegration.cpp"

# Only what velmora uses: Core, Gui, Widgets and Test, the windows and offscreen platforms and
# the windowsvista style; qtbase's bundled zlib, PCRE2, FreeType, HarfBuzz, libpng and
# double-conversion, so that nothing beyond Windows' own DLLs is needed.
off_features=(
  network sql dbus opengl vulkan printsupport concurrent xml
  sessionmanager systemtrayicon pdf textodfwriter textmarkdownreader textmarkdownwriter
  zstd jpeg gif ico direct2d tuiotouch imageformatplugin movie
  calendarwidget datetimeedit dial dockwidget fontcombobox fontdialog colordialog
  lcdnumber mdiarea splashscreen undoview undocommand undogroup undostack wizard
  syntaxhighlighter toolbox
)
options=()
for f in "${off_features[@]}"; do options+=("-DFEATURE_$f=OFF"); done

cmake -S "$source_dir" -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/mingw-w64-x86_64.cmake" \
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
cmake --build build --parallel "${VELMORA_JOBS:-2}"
cmake --install build
touch "$prefix/.complete"
echo "$prefix"
