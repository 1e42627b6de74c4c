#!/usr/bin/env bash
# The long runs against the built program: kill -9 torture, soak (on a private
# X server, for the X pixmap count), the network fault matrix and overlapping
# requests (added to bench/interleaving-results.txt beside RESULTS_FILE).
#   run-stress.sh BUILD_DIR TRIALS CHANGES [RESULTS_FILE]
# The figures are printed and, with RESULTS_FILE, written there.
set -uo pipefail
build=${1:?build folder}
trials=${2:-1000}
changes=${3:-10000}
results=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
binary="$build/tessaly"
[ -x "$binary" ] || binary=$(find "$build" -name tessaly -type f -perm -u+x | head -1)
export TESSALY_BINARY=$(realpath "$binary")
shim=$(find "$build" -name 'libtessaly_full_disk_shim.so' | head -1)
out=()
if [ -n "$results" ]; then
  out=(--results "$results.new")
  printf '%s\n' "# make stress: the real program under kill -9, a soak and network faults" \
    "# $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores" "" >"$results.new"
fi
status=0
# Each run in a temporary home folder of its own; the soak on a private X
# server, for the X pixmap count.
home="$here/../support/with-temp-home.sh"
"$home" "$here/stress.py" torture --trials "$trials" --shim "$shim" "${out[@]}" || status=1
"$home" "$here/../support/with-xvfb.sh" "$here/stress.py" soak --changes "$changes" "${out[@]}" || status=1
"$home" "$here/stress.py" faults "${out[@]}" || status=1
# Overlapping requests: as many seeded sequences as kill -9 trials.
# With RESULTS_FILE, the run is added to the earlier ones, from a seed none
# of them used.
interleaving=(2026)
[ -n "$results" ] && interleaving=(--add-to "$(dirname "$results")/interleaving-results.txt")
"$home" "$here/../support/desktop-session.sh" /usr/bin/python3 "$here/../shell/test_interleaving.py" "$trials" "${interleaving[@]}" || status=1
[ -n "$results" ] && mv "$results.new" "$results"
exit $status
