#!/usr/bin/env bash
# Builds the velmora program alone (the run preset: optimised, no tests, no benchmarks) and starts
# it. Installs only what building and running need. Needs a desktop session (an X11 or Wayland
# display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
cmake --preset run >/dev/null
cmake --build --preset run
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found. Start velmora from a desktop session, or under a virtual display:" >&2
  echo "  xvfb-run -a build/run/ui/velmora" >&2
  exit 1
fi
exec build/run/ui/velmora "$@"
