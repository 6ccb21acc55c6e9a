#!/usr/bin/env bash
# The linters of the test command: shellcheck over every shell script of the repository (sourced
# helpers followed, each finding fixed or justified where it stands), and clang-format over every
# C++ source against the committed .clang-format. Any finding fails.
#   lint.sh [REPOSITORY]   the files git lists there; by default this repository's
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
status=0
mapfile -t scripts < <(git ls-files '*.sh')
echo "== shellcheck: ${#scripts[@]} scripts"
shellcheck --external-sources "${scripts[@]}" || status=1
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.h.in')
echo "== clang-format: ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}" || status=1
exit "$status"
