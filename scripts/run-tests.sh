#!/usr/bin/env bash
# Runs every test through ctest. Tests labelled x11 start their own Xvfb, those
# labelled sway their own headless sway.
set -euo pipefail
build=${1:-build}
cd "$build"
ctest --output-on-failure --timeout 600 -j 2
