#!/usr/bin/env bash
# The package check of scripts/check-package.sh on a package packed by CPack from this build tree,
# so that the suite (and the mutation check) covers the packaging and the check itself.
#   package_check_test.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: package_check_test.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; echo "FAIL: CPack could not pack the build"; exit 1; }
bash "$(dirname "$0")/../../scripts/check-package.sh" "$work"/velmora_*.deb "$build"
