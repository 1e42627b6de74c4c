#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) and stops the server afterwards,
# whatever happens. Screen size: TESSALY_TEST_SCREEN (default 1280x1024x24).
set -u
screen=${TESSALY_TEST_SCREEN:-1280x1024x24}
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
xpid=$!
cleanup() { kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; rm -f "$fdfile"; }
trap cleanup EXIT INT TERM
for _ in $(seq 1 100); do
  [ -s "$fdfile" ] && break
  sleep 0.05
done
if ! [ -s "$fdfile" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$fdfile")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$@"
