#!/usr/bin/env bash
# Builds velmora with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test, the
# window tests on Qt's offscreen platform and the real-window test under Xvfb: first built by GCC,
# then by clang when it is installed. Then shellcheck and clang-format check every script and
# source (scripts/lint.sh), clang-tidy checks the program's sources (any finding fails), and
# when clang is present each fuzz target runs for a few seconds. Last, the Debian package is built
# and checked (lintian, its contents, the program started from the unpacked package).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test package
presets=(debug)
command -v clang++ >/dev/null && presets+=(debug-clang)
for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
echo "== linters"
bash scripts/lint.sh
echo "== clang-tidy"
bash scripts/clang-tidy.sh build/debug
if [[ -x fuzz/run-fuzzers.sh ]] && command -v clang++ >/dev/null; then
  bash fuzz/run-fuzzers.sh 5
fi
bash scripts/package.sh
bash scripts/check-package.sh
