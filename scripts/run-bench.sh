#!/usr/bin/env bash
# Runs the benchmarks in bench/ one after the other.
set -euo pipefail
build=${1:-build}
shopt -s nullglob
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
