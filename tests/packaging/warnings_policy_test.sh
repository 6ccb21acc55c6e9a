#!/usr/bin/env bash
# A compiler warning stops only the builds CI runs. The presets that CI builds (debug, debug-clang,
# windows-ci) turn warnings into errors; the ones a user builds with (run, package, release, fuzz,
# and windows, which the README's Windows command builds) do not. Then the shared flags themselves, on a source with an unused variable: a build without
# the switch must succeed with the warning shown, a build with it must fail on that warning.
#   warnings_policy_test.sh SOURCE_DIR CXX_COMPILER
set -euo pipefail
repo=${1:?usage: warnings_policy_test.sh SOURCE_DIR CXX_COMPILER}
cxx=${2:?usage: warnings_policy_test.sh SOURCE_DIR CXX_COMPILER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got '$2', want '$3')"; fail=1; fi; }

# The switch as each configure preset resolves it, through its chain of inherited presets.
setting() {
  python3 - "$repo/CMakePresets.json" "$1" <<'PY'
import json, sys
presets = {p["name"]: p for p in json.load(open(sys.argv[1]))["configurePresets"]}
def value(name):
    p = presets[name]
    v = p.get("cacheVariables", {}).get("VELMORA_WARNINGS_AS_ERRORS")
    if v is not None:
        return v
    inherits = p.get("inherits", [])
    for parent in [inherits] if isinstance(inherits, str) else inherits:
        v = value(parent)
        if v is not None:
            return v
    return None
print(value(sys.argv[2]) or "OFF")
PY
}
for preset in debug debug-clang windows-ci; do check "$preset: warnings are errors" "$(setting "$preset")" ON; done
for preset in run package release fuzz windows; do check "$preset: warnings stay warnings" "$(setting "$preset")" OFF; done

mkdir -p "$work/src"
cat >"$work/src/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(warned LANGUAGES CXX)
include("$repo/cmake/VelmoraWarnings.cmake")
add_executable(warned warned.cpp)
target_link_libraries(warned PRIVATE velmora_flags)
CMAKE
printf 'int main() {\n  int unused = 0;\n  return 0;\n}\n' >"$work/src/warned.cpp"
build() {  # ON or OFF; prints what the compiler said
  cmake -S "$work/src" -B "$work/build-$1" -DCMAKE_CXX_COMPILER="$cxx" \
    -DVELMORA_WARNINGS_AS_ERRORS="$1" >/dev/null && cmake --build "$work/build-$1" 2>&1
}
if out=$(build OFF); then check "a warning does not stop a user's build" yes yes
else check "a warning does not stop a user's build" no yes; fi
check "the warning is still shown" "$(grep -c 'unused' <<<"$out" | sed 's/^[1-9][0-9]*$/shown/')" shown
if build ON >/dev/null; then check "a warning stops CI's build" no yes
else check "a warning stops CI's build" yes yes; fi
exit "$fail"
