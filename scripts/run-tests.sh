#!/usr/bin/env bash
# Runs every test through ctest. Tests labelled x11 start their own Xvfb, those
# labelled sway their own headless sway, those labelled desktops their own Xvfb
# with a real desktop's program (skipped where it is not installed). Arguments
# after the build folder go to ctest.
set -euo pipefail
build=${1:-build}
shift || true
cd "$build"
ctest --output-on-failure --timeout 600 -j 2 "$@"
