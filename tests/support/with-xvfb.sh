#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) and stops the server afterwards,
# whatever happens. Screen size: TESSALY_TEST_SCREEN (default 1280x1024x24).
set -u
me=with-xvfb
source "$(dirname "${BASH_SOURCE[0]}")/session-bus.sh"
start_xvfb
run_command "$@"
