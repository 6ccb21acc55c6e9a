#!/usr/bin/env bash
# Makes the ja_JP.UTF-8 locale in a private folder, so that the tests can run the program as a
# Japanese session does without any change to the system's locales:
#   japanese-locale.sh DIR     then LOCPATH=DIR LANG=ja_JP.UTF-8 PROGRAM
# Idempotent: nothing is done when DIR already holds it.
set -euo pipefail
dir=${1:?usage: japanese-locale.sh DIR}
[[ -f "$dir/ja_JP.UTF-8/LC_CTYPE" ]] && exit 0
mkdir -p "$dir"
# localedef warns about a few characters of the charmap that have no width; the locale is whole.
localedef --no-warnings=ascii -i ja_JP -f UTF-8 "$dir/ja_JP.UTF-8" 2>/dev/null ||
  [[ -f "$dir/ja_JP.UTF-8/LC_CTYPE" ]]
