#!/usr/bin/env bash
# Builds the NSIS installer of a velmora.exe and its velmora-cli.exe. Its version and publisher are
# those of the program's own version record, so that the entry in the installed programs says what
# the program says.
#   make-installer.sh EXE CLI_EXE LICENSE.txt OUTFILE [makensis option...]
# (-DTEST_NOT_ELEVATED, for instance: the build that the checks under Wine refuse elevation with)
set -euo pipefail
usage="usage: make-installer.sh EXE CLI_EXE LICENSE.txt OUTFILE [makensis option...]"
# makensis reads paths from the script's folder: every path whole.
exe=$(realpath "${1:?$usage}")
cli=$(realpath "${2:?$usage}")
license=$(realpath "${3:?$usage}")
outfile=$(realpath -m "${4:?$usage}")
shift 4
repo=$(cd "$(dirname "$0")/../.." && pwd)

# Python's pefile is Debian's python3-pefile, for Debian's own interpreter.
record=$(/usr/bin/python3 "$repo/scripts/windows/read-version.py" "$exe")
read -r version fixed publisher <<<"$record"
if [[ -z $version || -z $fixed || -z $publisher ]]; then
  echo "make-installer.sh: $exe has no whole version record ('$record')" >&2
  exit 1
fi
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DVERSION_FIXED="$fixed" -DPUBLISHER="$publisher" \
  -DEXE="$exe" -DCLI="$cli" -DLICENSE="$license" -DICON="$repo/ui/resources/velmora.ico" \
  -DOUTFILE="$outfile" "$@" "$repo/packaging/windows/velmora.nsi"
