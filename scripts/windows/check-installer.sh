#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix on a virtual display, for the current user and then
# for the machine (/ALLUSERS). For each scope: the silent install gives the program, its
# Start-menu entry and its entry in the installed programs (the version and the publisher that
# the build defines, the scope in the uninstall strings, the size), and the program opens its
# window; while it runs, install and uninstall refuse and change nothing, and so do they while a
# program without velmora's mutex (an older release) runs from the folder; an installer of the
# next version upgrades in place; and an uninstall started with the wrong scope, or none, leaves
# no file and no registry key of velmora. For the machine also: a build that cannot get
# administrator rights refuses to install and to uninstall, and changes nothing.
#   check-installer.sh BUILD_DIR   (the windows preset's folder, after package.sh and its build)
set -euo pipefail
build=$(realpath "${1:?usage: check-installer.sh BUILD_DIR}")
repo=$(cd "$(dirname "$0")/../.." && pwd)
# What the build defines, read from the build itself rather than from the installer.
version=$(sed -n 's/^VELMORA_DISPLAY_VERSION:INTERNAL=//p' "$build/CMakeCache.txt")
publisher=$(sed -n 's/^ *VALUE "CompanyName", *"\(.*\)"$/\1/p' "$repo/ui/resources/velmora.rc.in")
setup=$build/velmora-$version-setup.exe
next_exe=$build/ui/velmora_next.exe
for f in "$setup" "$next_exe"; do
  [[ -f $f ]] || { echo "FAIL: no $f (package.sh, then cmake --build --preset windows)"; exit 1; }
done
[[ -n $version && -n $publisher ]] || { echo "FAIL: no version or publisher defined"; exit 1; }

source "$repo/scripts/virtual-display.sh"
source "$repo/scripts/windows/wine-prefix.sh"
work=$(mktemp -d)
app=""
virtual_display_pid=""
# shellcheck disable=SC2317 # run by the EXIT trap
cleanup() { stop_process "$app"; end_wine_prefix; stop_process "$virtual_display_pid"; rm -rf "$work"; }
trap cleanup EXIT

# The installers the checks need besides the release's: the next version's, from a program whose
# record carries that version, and one that believes it has no administrator rights and cannot
# get them (Wine's user is always an administrator).
next_setup=$work/velmora-next-setup.exe
not_elevated_setup=$work/velmora-not-elevated-setup.exe
cli_exe=$build/cli/velmora-cli.exe
bash "$repo/scripts/windows/make-installer.sh" "$next_exe" "$cli_exe" "$repo/LICENSE" "$next_setup"
bash "$repo/scripts/windows/make-installer.sh" "$build/ui/velmora.exe" "$cli_exe" "$repo/LICENSE" \
  "$not_elevated_setup" -DTEST_NOT_ELEVATED
# A program that runs from the install folder without velmora's mutex, as a release older than
# the mutex would: only the locked file shows it.
cat >"$work/sleeper.c" <<'C'
#include <windows.h>
int WINAPI WinMain(HINSTANCE a, HINSTANCE b, LPSTR c, int d) {
  Sleep(INFINITE);
  return 0;
}
C
x86_64-w64-mingw32-gcc-posix -mwindows -o "$work/sleeper.exe" "$work/sleeper.c"

start_virtual_display "$work" || { echo "FAIL: no virtual X display could be started"; exit 1; }
new_wine_prefix "$work/wine"
title="カセグレン副反射鏡 計算プログラム"
fail=0
check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1 (got '$2', want '$3')"; fail=1; fi; }
unix_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r')"; }  # a folder like %APPDATA%
user_menu="$(unix_path '%APPDATA%')/Microsoft/Windows/Start Menu/Programs"
common_menu="$(unix_path '%ProgramData%')/Microsoft/Windows/Start Menu/Programs"
# reg's own answer for a key that is not there; any other failure is reg's, not the key's. Under a
# heavy load Wine's reg has been seen to fail once on a key that is there, so a failure is tried
# twice more (and said). One that persists is noted in a file (the callers read the key in a
# subshell) and fails the run at its end: a broken reg must not read as "no key left".
absent_key='Unable to find the specified registry key'
reg_export() {  # key: the key as reg exports it (UTF-16 made UTF-8), nothing for an absent one
  local try
  for try in 1 2 3; do
    rm -f "$work/key.reg"
    # reg says why on standard output.
    if LC_ALL=C wine reg export "$1" "$(winepath -w "$work/key.reg")" /y >"$work/reg.log" 2>&1; then
      [ "$try" = 1 ] || echo "note: reg export of $1 answered at try $try" >&2
      iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r'
      return 0
    fi
    grep -q "$absent_key" "$work/reg.log" && return 0
  done
  echo "reg export of $1: $(tr -d '\r' <"$work/reg.log")" >>"$work/reg-failures"
}
reg_value() {  # key, name: the text of a string value
  reg_export "$1" | sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" | sed 's/\\\(.\)/\1/g'
}
reg_dword() {  # key, name: a DWORD value in decimal
  local hex
  hex=$(reg_export "$1" | sed -n "s/^\"$2\"=dword:\([0-9a-f]*\)\$/\1/p")
  [ -z "$hex" ] || echo $((16#$hex))
}
# Every trace of velmora in the prefix: files and folders by name, registry entries by text.
traces() {
  find "$WINEPREFIX/drive_c" -iname '*velmora*' -o -iname "$title*"
  grep -il velmora "$WINEPREFIX"/*.reg || true
}
# Runs a Windows command line through cmd, which hands on the whole exit code (a shell's $? keeps
# eight bits of it: 740 would read 228).
exit_code() {
  printf '@%s\r\n@echo %%ERRORLEVEL%%\r\n' "$1" >"$work/run.bat"
  wine cmd /c "$(winepath -w "$work/run.bat")" </dev/null | tr -d '\r' | tail -1
}
# The uninstaller's exit code: run as Windows runs it, from a copy outside the folder with the
# folder after _?= (the uninstaller itself hands on no code). Options before the folder.
uninstall_code() {  # folder, uninstaller (default the folder's own), options
  cp "${2:-$1/uninstall.exe}" "$work/un.exe"
  exit_code "\"$(winepath -w "$work/un.exe")\" $3 _?=$(winepath -w "$1")"
}
# What an install is: its files' contents, its entry's version, its Start-menu entries.
install_state() {  # folder, key
  if [ -d "$1" ]; then (cd "$1" && md5sum ./*) | tr '\n' ' '; fi
  reg_value "$2" DisplayVersion
  find "$user_menu" "$common_menu" -name "$title*" | tr '\n' ' '
}
# Starts a program and waits for its window; sets app.
run_program() {  # Windows path of the program, what it is
  wine "$1" & app=$!
  if wait_for_window "$app"; then echo "ok: $2 shows its window"; else
    echo "FAIL: $2 shows no window"; fail=1; fi
}

check_scope() {  # scope, installer option, registry root, the other root, program folder, menu,
                 # the uninstaller's options for the last uninstall
  local scope=$1 option=$2 key="$3\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\velmora"
  local other_key="$4\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\velmora"
  local folder=$5/velmora menu=$6 last_uninstall=$7 windows_folder before size
  echo "== install for $scope"
  check "$scope: nothing of velmora before" "$(traces | wc -l)" "0"
  check "$scope: install exits 0" "$(exit_code "\"$(winepath -w "$setup")\" /S $option")" "0"
  windows_folder=$(winepath -w "$folder")
  check "$scope: program installed" "$(test -f "$folder/velmora.exe" && echo yes)" "yes"
  check "$scope: command-line program installed, the build's" \
    "$(cmp -s "$folder/velmora-cli.exe" "$cli_exe" && echo yes)" "yes"
  check "$scope: command-line program runs from the folder" \
    "$(wine "$(winepath -w "$folder")\\velmora-cli.exe" --version 2>/dev/null | tr -d '\r')" \
    "velmora-cli $version"
  check "$scope: Start-menu entry" "$(test -f "$menu/$title.lnk" && echo yes)" "yes"
  check "$scope: entry's name" "$(reg_value "$key" DisplayName)" "$title"
  check "$scope: entry's version, the build's" "$(reg_value "$key" DisplayVersion)" "$version"
  check "$scope: entry's publisher, the version record's" "$(reg_value "$key" Publisher)" "$publisher"
  check "$scope: entry's folder" "$(reg_value "$key" InstallLocation)" "$windows_folder"
  check "$scope: entry's uninstaller" "$(reg_value "$key" UninstallString)" \
    "\"$windows_folder\\uninstall.exe\"${option:+ }$option"
  check "$scope: entry's quiet uninstaller" "$(reg_value "$key" QuietUninstallString)" \
    "\"$windows_folder\\uninstall.exe\" $option${option:+ }/S"
  size=$(cat "$folder"/*.exe | wc -c)
  check "$scope: entry's size, the files' in KB" "$(reg_dword "$key" EstimatedSize)" "$((size / 1024))"

  # While velmora runs: both refuse under /S with 32, and nothing changes.
  before=$(install_state "$folder" "$key")
  run_program "$windows_folder\\velmora.exe" "$scope: the installed program"
  check "$scope: install while velmora runs exits 32" \
    "$(exit_code "\"$(winepath -w "$setup")\" /S $option")" "32"
  check "$scope: uninstall while velmora runs exits 32" "$(uninstall_code "$folder" "" /S)" "32"
  check "$scope: the install unchanged while velmora ran" "$(install_state "$folder" "$key")" "$before"
  check "$scope: velmora still runs" "$(kill -0 "$app" 2>/dev/null && echo yes)" "yes"
  stop_process "$app"
  app=""
  timeout 30 wineserver -w || true

  # A program without the mutex, running from the folder as velmora.exe: its locked file refuses.
  cp "$folder/velmora.exe" "$work/velmora.exe"
  cp "$work/sleeper.exe" "$folder/velmora.exe"
  before=$(install_state "$folder" "$key")
  wine "$windows_folder\\velmora.exe" & app=$!
  sleep 2
  check "$scope: install over a velmora without the mutex exits 5" \
    "$(exit_code "\"$(winepath -w "$setup")\" /S $option")" "5"
  check "$scope: uninstall under a velmora without the mutex exits 5" \
    "$(uninstall_code "$folder" "" /S)" "5"
  check "$scope: the install unchanged under the locked program" \
    "$(install_state "$folder" "$key")" "$before"
  stop_process "$app"
  app=""
  timeout 30 wineserver -w || true
  cp "$work/velmora.exe" "$folder/velmora.exe"

  # Once velmora has ended, the same install goes through: an upgrade to the next version.
  check "$scope: upgrade exits 0" "$(exit_code "\"$(winepath -w "$next_setup")\" /S $option")" "0"
  local record
  record=$(/usr/bin/python3 "$repo/scripts/windows/read-version.py" "$folder/velmora.exe")
  check "$scope: upgrade: entry's version, the new program's record" \
    "$(reg_value "$key" DisplayVersion)" "${record%% *}"
  if [ "${record%% *}" = "$version" ]; then
    echo "FAIL: $scope: the upgrade left version $version"
    fail=1
  fi
  check "$scope: upgrade: one Start-menu entry" \
    "$(find "$user_menu" "$common_menu" -name "$title*" | wc -l)" "1"
  check "$scope: upgrade: no entry in the other scope" "$(reg_export "$other_key" | wc -l)" "0"
  run_program "$windows_folder\\velmora.exe" "$scope: the upgraded program"
  stop_process "$app"
  app=""

  if [ -n "$option" ]; then check_not_elevated "$folder" "$key"; fi

  # The scope comes from the install, not from the command line: Settings > Apps, a script and a
  # double-click remove alike.
  if [ -n "$last_uninstall" ]; then
    # shellcheck disable=SC2086 # the options are words of their own
    wine "$windows_folder\\uninstall.exe" $last_uninstall
  else
    uninstall_by_hand "$windows_folder"
  fi
  # The uninstaller runs on from a copy of itself in the temporary folder.
  timeout 60 wineserver -w || true
  check "$scope: nothing of velmora left after the uninstall (${last_uninstall:-no option})" \
    "$(traces | tr '\n' ' ')" ""
}

# Without administrator rights, the machine-wide install and uninstall refuse and change nothing.
check_not_elevated() {  # folder, key
  local folder=$1 key=$2 before scratch='C:\velmora-not-elevated'
  before=$(install_state "$folder" "$key")
  check "not elevated: install for the machine refused" \
    "$(exit_code "\"$(winepath -w "$not_elevated_setup")\" /S /ALLUSERS")" "740"
  check "not elevated: the machine's install unchanged" "$(install_state "$folder" "$key")" "$before"
  # A per-user install never asks, in this build too; its uninstaller is the same program as the
  # machine-wide install's.
  check "not elevated: install for the user exits 0" \
    "$(exit_code "\"$(winepath -w "$not_elevated_setup")\" /S /D=$scratch")" "0"
  before=$(install_state "$folder" "$key")
  check "not elevated: uninstall of the machine's install refused" \
    "$(uninstall_code "$folder" "$(winepath -u "$scratch")/uninstall.exe" /S)" "740"
  check "not elevated: the machine's install unchanged by it" \
    "$(install_state "$folder" "$key")" "$before"
  check "not elevated: uninstall of the user's install exits 0" \
    "$(uninstall_code "$(winepath -u "$scratch")" "" /S)" "0"
}

# The uninstaller as a double-click starts it: no option; Return confirms, Return closes.
uninstall_by_hand() {  # Windows folder
  local window=""
  wine "$1\\uninstall.exe" &
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --class 'un.exe' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "FAIL: the uninstaller shows no window"; fail=1; return; }
  sleep 1
  xdotool key --window "$window" Return 2>/dev/null
  sleep 3
  xdotool key --window "$window" Return 2>/dev/null
}

check_scope "the current user" "" HKCU HKLM "$(unix_path '%LOCALAPPDATA%')/Programs" \
  "$user_menu" "/ALLUSERS /S"
check_scope "the machine" /ALLUSERS HKLM HKCU "$(unix_path '%ProgramW6432%')" "$common_menu" ""

if [ -s "$work/reg-failures" ]; then
  echo "FAIL: the registry could not be read:"
  cat "$work/reg-failures"
  fail=1
fi
[ "$fail" -eq 0 ] && echo "installer: all checks passed" || echo "installer: FAILED"
exit "$fail"
