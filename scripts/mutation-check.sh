#!/usr/bin/env bash
# Puts each realistic one-line fault of scripts/mutants.txt into a scratch copy of the tree, one at
# a time, rebuilds the debug preset's configuration there (incrementally, the build directory is
# kept between runs) and runs the tests against it. Prints one row per fault, caught or survived,
# and the totals. A fault whose original text is no longer in its file exactly once is "not
# applicable", one that no longer compiles "does not build"; neither counts as tried.
#
# usage: scripts/mutation-check.sh [FILTER]   only the faults whose line matches the regex FILTER
#        VELMORA_MUTATION_FROM=N               from the Nth fault on (to go on after a stop)
#
# The tests run as `ctest --preset debug` runs them, GCC with the sanitizers, except the
# real-window test (it needs a display and checks nothing the offscreen window tests miss) and
# the fuzzers. The quick suites run first; the reference tests and the slow checks that run the
# program or outside tools (fonts, packages, the PDF, the part files' readers) only when those all
# pass, since a caught fault waits for every test already started.
# Exits 1 when a fault survived (each listed at the end), 0 when every fault tried was caught.
# Scratch tree and build: $VELMORA_MUTATION_DIR, default /tmp/velmora-mutation.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mutants="$root/scripts/mutants.txt"
filter="${1:-.}"
work="${VELMORA_MUTATION_DIR:-/tmp/velmora-mutation}"
from="${VELMORA_MUTATION_FROM:-1}"
src="$work/src"
build="$work/build"
mkdir -p "$src"

# The working tree as it stands, committed or not; unchanged files keep their times so that the
# rebuilds stay incremental.
sync_tree() {
  (cd "$root" && git ls-files -co --exclude-standard) | while IFS= read -r f; do
    [[ -f "$root/$f" ]] || continue
    mkdir -p "$src/$(dirname "$f")"
    cmp -s "$root/$f" "$src/$f" || cp "$root/$f" "$src/$f"
  done
}

slow='reference|differential|doubles/|font_fallback|install_lists|package_check|design_pdf|read_back'
build_and_test() {
  cmake --build "$build" >"$work/build.log" 2>&1 || return 2
  (cd "$build" && ctest -E "real_window_test|$slow" \
     --stop-on-failure --timeout 120 -j2 >"$work/test.log" 2>&1) || return 1
  (cd "$build" && ctest -R "$slow" -E real_window_test \
     --stop-on-failure --timeout 300 -j2 >>"$work/test.log" 2>&1) || return 1
  return 0
}

# Replaces the one occurrence of ORIGINAL in FILE; exit 3 when it is not there exactly once.
apply_mutant() {
  python3 - "$@" <<'PY'
import re, sys
def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)
path = sys.argv[1]
original, replacement = unescape(sys.argv[2]), unescape(sys.argv[3])
text = open(path, encoding="utf-8").read()
if text.count(original) != 1:
    sys.exit(3)
open(path, "w", encoding="utf-8").write(text.replace(original, replacement))
PY
}

sync_tree
# The debug preset's configuration, in the scratch build directory.
(cd "$src" && cmake --preset debug -B "$build" >/dev/null)
echo "Building and testing the unchanged tree..."
if ! build_and_test; then
  echo "The unchanged tree does not pass its tests; see $work/build.log and $work/test.log" >&2
  exit 1
fi

printf '%-3s  %-14s  %-26s  %s\n' "#" "result" "file" "fault"
tried=0 caught=0 survived=0 missing=0 number=0
survivors=()
while IFS=$'\t' read -r file original replacement description; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  number=$((number + 1))
  ((number >= from)) || continue
  grep -qE -- "$filter" <<<"$file $description" || continue
  result=""
  if ! apply_mutant "$src/$file" "$original" "$replacement"; then
    result="not applicable"
    missing=$((missing + 1))
  else
    tried=$((tried + 1))
    rc=0
    build_and_test || rc=$?
    case $rc in
      0) result="SURVIVED"; survived=$((survived + 1)); survivors+=("$number: $description") ;;
      1) result="caught"; caught=$((caught + 1)) ;;
      *) result="does not build"; tried=$((tried - 1)); missing=$((missing + 1)) ;;
    esac
    cp "$root/$file" "$src/$file"
  fi
  printf '%-3s  %-14s  %-26s  %s\n' "$number" "$result" "$file" "$description"
done <"$mutants"

# Leave the scratch build matching the tree for the next run.
cmake --build "$build" >/dev/null 2>&1 || true
echo
echo "tried $tried, caught $caught, survived $survived, not applicable $missing"
if ((tried > 0)); then
  echo "caught: $((100 * caught / tried))% of the applicable faults"
fi
for s in "${survivors[@]}"; do echo "survivor $s"; done
# A fault that no test catches is a missing test: the run says so by its exit code too.
((survived == 0))
