#!/usr/bin/env bash
# Builds what a Windows user downloads, in build/windows: velmora.exe (one file, nothing to
# install), velmora-cli.exe (the same from a command prompt), velmora-VERSION-windows-x64.zip (the
# programs, the licence, a read-me) and velmora-VERSION-setup.exe (the NSIS installer). The first
# run builds the static Qt for Windows (scripts/windows/build-qt.sh), later runs reuse it.
#   package.sh [PRESET]   the windows preset by default, a warning shown but not fatal; CI gives
#                         windows-ci, the same build in the same folder with warnings as errors
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD
# Only the prefix comes on standard output; a failed Qt build ends this script here.
qt=$(bash scripts/windows/build-qt.sh)
export VELMORA_WINDOWS_QT=$qt

preset=${1:-windows}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target velmora velmora-cli
out=$repo/build/windows
exe=$out/ui/velmora.exe
cli=$out/cli/velmora-cli.exe

# The version as the program's own version record gives it, for the files' names.
record=$(/usr/bin/python3 scripts/windows/read-version.py "$exe")
read -r version _ <<<"$record"
[[ -n $version ]] || { echo "package.sh: $exe has no version record" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# Windows' own line ends for the texts; the read-me in UTF-8 with its mark, which Notepad honours.
cp "$exe" "$stage/velmora.exe"
cp "$cli" "$stage/velmora-cli.exe"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
{ printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/g; s/\$/\r/" packaging/windows/README.txt; } \
  >"$stage/README.txt"
# The files' times are the last commit's, so that the archive depends only on the sources.
touch -d "@$(git log -1 --format=%ct 2>/dev/null || date +%s)" "$stage"/*

zip_file=$out/velmora-$version-windows-x64.zip
rm -f "$zip_file"
(cd "$stage" && zip -q -X "$zip_file" velmora.exe velmora-cli.exe LICENSE.txt README.txt)

setup=$out/velmora-$version-setup.exe
bash scripts/windows/make-installer.sh "$stage/velmora.exe" "$stage/velmora-cli.exe" \
  "$stage/LICENSE.txt" "$setup"
echo "$exe"
echo "$zip_file"
echo "$setup"
