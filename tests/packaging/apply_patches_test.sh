#!/usr/bin/env bash
# The Windows Qt build's patch step, on a made-up source tree of two small files: a patch that
# applies goes in; one whose context has moved (even where patch's usual fuzz would place it), one
# already in, one that fails in its second file, and an empty folder stop the step at once, with
# the patch's name on the last lines, the tree as before that patch and no later patch applied.
#   apply_patches_test.sh PATH/TO/apply-patches.sh
set -euo pipefail
apply=${1:?usage: apply_patches_test.sh PATH/TO/apply-patches.sh}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The pristine tree: one line per number, in two files.
pristine() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree/src"
  seq 1 12 >"$work/tree/src/a.txt"
  seq 101 112 >"$work/tree/src/b.txt"
}
# A patch that changes line N of a file of the pristine tree to TEXT, made by diff itself.
make_patch() {  # file, line, text
  local name=$1 line=$2 text=$3
  pristine
  cp "$work/tree/$name" "$work/changed"
  sed -i "${line}s/.*/$text/" "$work/changed"
  (cd "$work/tree" && diff -u --label "a/$name" --label "b/$name" "$name" "$work/changed") || true
}

make_patch src/a.txt 6 six >"$work/good.patch"
make_patch src/a.txt 10 ten >"$work/later.patch"
# Its context lines stand one line lower than in the tree: patch's default fuzz would still place
# it, the exact patch step must not.
make_patch src/a.txt 6 SIX | sed 's/^@@ -3,7 +3,7 @@$/@@ -4,7 +4,7 @@/; s/^ 3$/ x3/' >"$work/moved.patch"
# The first file applies, the second's context is not in the tree.
{
  make_patch src/a.txt 2 two
  make_patch src/b.txt 6 106b | sed 's/^ 105$/ 999/'
} >"$work/half.patch"

fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got '$2', want '$3')"; fail=1; fi; }

# case | patches, in the order of their names | the tree already has | exit | named last | a.txt lines 2, 6, 10
cases=(
  "one that applies|good||0||2 six 10"
  "two that apply|good later||0||2 six ten"
  "context moved|moved later||1|0001-moved.patch|2 6 10"
  "already applied|good later|good|1|0001-good.patch|2 six 10"
  "fails in its second file|half later||1|0001-half.patch|2 6 10"
  "after one that applied|good moved later||1|0002-moved.patch|2 six 10"
  "no patch|||1|no patch|2 6 10"
)
for row in "${cases[@]}"; do
  IFS='|' read -r what patches already want_status want_named want_lines <<<"$row"
  pristine
  [ -z "$already" ] || patch -s -d "$work/tree" -p1 <"$work/$already.patch"
  b_before=$(md5sum <"$work/tree/src/b.txt")
  rm -rf "$work/patches" && mkdir "$work/patches"
  n=0
  for p in $patches; do
    n=$((n + 1))
    cp "$work/$p.patch" "$work/patches/000$n-$p.patch"
  done
  status=0
  bash "$apply" "$work/tree" "$work/patches" >"$work/out" 2>"$work/err" || status=$?
  check "$what: exit status" "$status" "$want_status"
  if [ -n "$want_named" ]; then
    check "$what: named on the last lines" \
      "$(tail -n 2 "$work/err" | grep -c -F "$want_named")" "1"
  fi
  check "$what: the tree after" \
    "$(sed -n '2p;6p;10p' "$work/tree/src/a.txt" | tr '\n' ' ')" "$want_lines "
  check "$what: the second file untouched" "$(md5sum <"$work/tree/src/b.txt")" "$b_before"
  if [ -n "$(find "$work/tree" -name '*.orig' -o -name '*.rej')" ]; then
    echo "FAIL: $what: patch left .orig or .rej files"
    fail=1
  fi
done

[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
