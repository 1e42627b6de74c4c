#!/usr/bin/env bash
# Runs a test with HOME and the XDG folders in a fresh temporary folder, so no
# test ever touches the real home folder; removes the folder afterwards.
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-test.XXXXXX")
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime"
chmod 700 "$root/runtime"
export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" \
  XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime"
"$@"
