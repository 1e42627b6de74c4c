#!/usr/bin/env bash
# Runs every test through ctest. Tests labelled x11 start their own Xvfb, those
# labelled sway their own headless sway. Arguments after the build folder go to
# ctest.
set -euo pipefail
build=${1:-build}
shift || true
cd "$build"
ctest --output-on-failure --timeout 600 -j 2 "$@"
