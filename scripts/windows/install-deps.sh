#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs on top of scripts/install-deps.sh: the
# MinGW-w64 compilers (posix threads, for std::thread and Qt), Wine to run the result, NSIS for
# the installer, pefile to read the version record back, and dpkg-dev for `apt-get source`.
# Idempotent: silent when everything is there.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 nsis python3-pefile icoutils zip unzip dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# apt is shared: wait for another installer's lock rather than fail.
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
