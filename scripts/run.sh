#!/usr/bin/env bash
# Starts Tessaly. On a machine without a display it runs a short demonstration
# on a private X server instead and leaves screenshots in demo/.
set -euo pipefail
build=${1:-build}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/tessaly"
fi
if [ -x scripts/demo.sh ]; then
  exec scripts/demo.sh "$build"
fi
echo "No display: starting Tessaly without one (QT_QPA_PLATFORM=offscreen). End it with Ctrl+C." >&2
QT_QPA_PLATFORM=offscreen exec "$build/tessaly"
