#!/usr/bin/env bash
# The part files of several designs, each read back by an independent reader:
#   part_read_back.sh dxf|stl|csv|assembly PART_FILES_TOOL
# dxf: ezdxf's audit, units, layers, every vertex on the curve, the chord error, the extent, for
#      both reflectors' sections;
# stl: admesh's checks of a closed, consistently wound solid, and its volume, for the sub-reflector's
#      solid and the main reflector's shell;
# csv: Python's csv module against the table's own cells, and against the paraboloid;
# assembly: ezdxf against the antenna's geometry as the fields give it.
set -euo pipefail
kind=${1:?usage: part_read_back.sh dxf|stl|csv|assembly PART_FILES_TOOL}
tool=${2:?usage: part_read_back.sh dxf|stl|csv|assembly PART_FILES_TOOL}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | arguments of the tool
designs=(
  "defaults|"
  "d 200|d=200"
  "fine step|STOP=5 STEP=0.1"
  "negative START|START=-35 STOP=35 STEP=2.5"
  "large dish, thick back, coarse turn|D=3000 FD=0.35 d=300 feedFD=0.9 thickness=12 facets=64"
  "small sub-reflector, fine turn|d=20 thickness=0.5 facets=3600"
  "main reflector's fine step, thin shell|mainstep=0.3 mainthickness=0.8"
  "20 m dish, coarse turn|D=20000 facets=64 mainstep=7 mainthickness=25"
)

fail=0
for row in "${designs[@]}"; do
  name=${row%%|*}
  read -r -a args <<<"${row#*|}"
  dir="$work/${name// /_}"
  mkdir -p "$dir"
  if [[ $tool == *.exe ]]; then
    # The Windows tool runs under Wine, on a Windows path.
    wine "$tool" "$(winepath -w "$dir")" "${args[@]}"
  else
    "$tool" "$dir" "${args[@]}"
  fi
  if /usr/bin/python3 "$here/check_$kind.py" "$dir"; then
    echo "ok: $name"
  else
    echo "FAIL: $name (${row#*|})"
    fail=1
  fi
done
exit $fail
