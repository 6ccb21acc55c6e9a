#!/usr/bin/env bash
# Builds velmora (release) and starts it. Needs a desktop session (an X11 or Wayland display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target velmora
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found. Start velmora from a desktop session, or under a virtual display:" >&2
  echo "  xvfb-run -a build/release/ui/velmora" >&2
  exit 1
fi
exec build/release/ui/velmora "$@"
