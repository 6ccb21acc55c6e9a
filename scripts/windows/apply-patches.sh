#!/usr/bin/env bash
# Applies every patch of a folder, in name order, to a source tree: exactly, or not at all. A patch
# whose context has moved (fuzz 0) or that is already in (--forward) stops the build at once and
# names the patch, so a change of Qt's source never slips through half patched.
#   apply-patches.sh SOURCE_DIR PATCH_DIR
set -euo pipefail
source_dir=${1:?usage: apply-patches.sh SOURCE_DIR PATCH_DIR}
patch_dir=${2:?usage: apply-patches.sh SOURCE_DIR PATCH_DIR}
shopt -s nullglob
patches=("$patch_dir"/*.patch)
if [[ ${#patches[@]} -eq 0 ]]; then
  echo "apply-patches.sh: no patch in $patch_dir" >&2
  exit 1
fi
for p in "${patches[@]}"; do
  # --dry-run first: a patch of several files that fails in its second file changes nothing.
  if ! out=$(patch -d "$source_dir" -p1 --forward --fuzz=0 --batch --dry-run <"$p" 2>&1); then
    echo "$out" >&2
    echo "apply-patches.sh: $(basename "$p") does not apply to $source_dir" >&2
    exit 1
  fi
  patch -d "$source_dir" -p1 --forward --fuzz=0 --batch --silent <"$p"
  echo "applied $(basename "$p")" >&2
done
