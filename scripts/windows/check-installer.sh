#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix on a virtual display: a silent install for the
# current user, then one for the machine (/ALLUSERS). Each must give the program, its Start-menu
# entry and its entry in the installed programs (with the version and the publisher), the
# installed program must open its window, and the silent uninstall must leave no file and no
# registry key of velmora behind.
#   check-installer.sh PATH/TO/velmora-VERSION-setup.exe VERSION PUBLISHER
set -euo pipefail
setup=$(realpath "${1:?usage: check-installer.sh SETUP.exe VERSION PUBLISHER}")
version=${2:?usage: check-installer.sh SETUP.exe VERSION PUBLISHER}
publisher=${3:?usage: check-installer.sh SETUP.exe VERSION PUBLISHER}
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/scripts/virtual-display.sh"
source "$repo/scripts/windows/wine-prefix.sh"
work=$(mktemp -d)
app=""
virtual_display_pid=""
cleanup() { stop_process "$app"; end_wine_prefix; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT

start_virtual_display "$work" || { echo "FAIL: no virtual X display could be started"; exit 1; }
new_wine_prefix "$work/wine"
title="カセグレン副反射鏡 計算プログラム"
fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got '$2', want '$3')"; fail=1; fi; }
unix_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r')"; }  # a folder like %APPDATA%
reg_value() {  # key, name: the text of a string value, exported whole (UTF-16) by reg itself
  rm -f "$work/key.reg"
  wine reg export "$1" "$(winepath -w "$work/key.reg")" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" |
    sed 's/\\\(.\)/\1/g'
}
# Every trace of velmora in the prefix: files and folders by name, registry entries by text.
traces() {
  find "$WINEPREFIX/drive_c" -iname '*velmora*' -o -iname "$title*"
  grep -il velmora "$WINEPREFIX"/*.reg || true
}

check_scope() {  # scope, installer option, registry root, program folder, Start-menu folder
  local scope=$1 option=$2 key="$3\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\velmora"
  local folder=$4/velmora menu=$5
  echo "== install for $scope"
  check "$scope: nothing of velmora before" "$(traces | wc -l)" "0"
  wine "$setup" /S $option
  check "$scope: program installed" "$(test -f "$folder/velmora.exe" && echo yes)" "yes"
  check "$scope: Start-menu entry" "$(test -f "$menu/$title.lnk" && echo yes)" "yes"
  check "$scope: entry's name" "$(reg_value "$key" DisplayName)" "$title"
  check "$scope: entry's version" "$(reg_value "$key" DisplayVersion)" "$version"
  check "$scope: entry's publisher" "$(reg_value "$key" Publisher)" "$publisher"
  check "$scope: entry's uninstaller" "$(reg_value "$key" QuietUninstallString)" \
    "\"$(winepath -w "$folder/uninstall.exe")\" $option${option:+ }/S"

  wine "$folder/velmora.exe" & app=$!
  if wait_for_window "$app"; then echo "ok: $scope: the installed program shows its window"; else
    echo "FAIL: $scope: the installed program shows no window"; fail=1; fi
  stop_process "$app"
  app=""

  wine "$folder/uninstall.exe" /S $option
  # The uninstaller runs on from a copy of itself in the temporary folder.
  timeout 60 wineserver -w || true
  check "$scope: nothing of velmora left after the uninstall" "$(traces | tr '\n' ' ')" ""
}

check_scope "the current user" "" HKCU "$(unix_path '%LOCALAPPDATA%')/Programs" \
  "$(unix_path '%APPDATA%')/Microsoft/Windows/Start Menu/Programs"
check_scope "the machine" /ALLUSERS HKLM "$(unix_path '%ProgramW6432%')" \
  "$(unix_path '%ProgramData%')/Microsoft/Windows/Start Menu/Programs"

[ "$fail" -eq 0 ] && echo "installer: all checks passed" || echo "installer: FAILED"
exit "$fail"
