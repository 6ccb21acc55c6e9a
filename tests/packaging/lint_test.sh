#!/usr/bin/env bash
# The lint fails on whatever departs from the committed style and passes what keeps it: a source
# as clang-format writes it under the repository's .clang-format, the same source laid out
# otherwise, a script with a finding of shellcheck's.
#   lint_test.sh SOURCE_DIR
set -euo pipefail
repo=${1:?usage: lint_test.sh SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got '$2', want '$3')"; fail=1; fi; }

cp "$repo/.clang-format" "$work/.clang-format"
misformatted=$'int  Answer( ){return 42;}\n'
formatted=$(cd "$work" && clang-format --assume-filename=a.cpp <<<"$misformatted")
quoted=$'#!/usr/bin/env bash\necho "$1"\n'
unquoted=$'#!/usr/bin/env bash\necho $1\n'
lint() {  # source, script: what the lint says of a repository of those two files
  rm -rf "$work/tree"
  mkdir "$work/tree"
  cp "$work/.clang-format" "$work/tree/"
  printf '%s\n' "$1" >"$work/tree/a.cpp"
  printf '%s' "$2" >"$work/tree/a.sh"
  git -C "$work/tree" init -q
  git -C "$work/tree" add -A
  if bash "$repo/scripts/lint.sh" "$work/tree" >"$work/lint.log" 2>&1; then echo passes; else echo fails; fi
}
check "the committed style passes" "$(lint "$formatted" "$quoted")" passes
check "a misformatted source fails" "$(lint "$misformatted" "$quoted")" fails
check "a shellcheck finding fails" "$(lint "$formatted" "$unquoted")" fails
exit "$fail"
