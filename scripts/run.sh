#!/usr/bin/env bash
# Starts Tessaly. On a machine without a display it runs a short demonstration
# on a private X server instead and leaves screenshots in demo/; without the
# tools for that (make test-deps), it runs without a display.
set -euo pipefail
build=${1:-build}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/tessaly"
fi
demo_tools=(Xvfb trayer xdotool dbus-daemon convert import)
have_demo_tools() {
  local t
  for t in "${demo_tools[@]}"; do command -v "$t" >/dev/null 2>&1 || return 1; done
  /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null
}
if [ -x scripts/demo.sh ] && have_demo_tools; then
  exec scripts/demo.sh "$build"
fi
echo "No display, and the demonstration's tools are not installed (make demo installs them)." >&2
echo "Starting Tessaly without a display (QT_QPA_PLATFORM=offscreen). End it with Ctrl+C." >&2
QT_QPA_PLATFORM=offscreen exec "$build/tessaly"
