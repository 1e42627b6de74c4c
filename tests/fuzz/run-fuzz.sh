#!/usr/bin/env bash
# Runs every fuzz program of a sanitizer build for a number of seconds each
# and prints executions and findings per target.
#   run-fuzz.sh BUILD_DIR SECONDS [RESULTS_FILE]
# Each target starts from its seed corpus (tests/fuzz/corpus/<target>) and the
# inputs earlier runs found (BUILD_DIR/fuzz-work/<target>); inputs that make a
# target fail land in BUILD_DIR/fuzz-findings/<target>. Executions add up over
# runs in BUILD_DIR/fuzz-work/<target>.total. Exits 1 when anything was found.
# With FUZZ_RUNS set, each target instead runs that many inputs from a fixed
# seed: the same inputs on every machine, so that a smoke run in CI shows a
# target still works without turning up new findings at random.
set -uo pipefail
build=${1:?build folder}
seconds=${2:-60}
results=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
work="$build/fuzz-work"
findings="$build/fuzz-findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:allocator_may_return_null=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/../support/lsan-suppressions.txt:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
# The targets' scratch files in memory where the system offers it: several
# targets write the files they read, and a disk's flushes would slow them.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

shopt -s nullglob
programs=("$build"/fuzz/fuzz_*)
if [ ${#programs[@]} -eq 0 ]; then
  echo "no fuzz programs in $build/fuzz (build the target 'fuzzers')" >&2
  exit 2
fi
row='%-16s %8s %14s %10s %14s %8s %9s\n'
table=$(printf "$row" target seconds executions "execs/s" "total execs" corpus findings)
all_execs=0 all_total=0 all_findings=0
for program in "${programs[@]}"; do
  name=${program##*/fuzz_}
  mkdir -p "$work/$name" "$findings/$name"
  args=(-timeout=20 -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix="$findings/$name/")
  if [ -n "${FUZZ_RUNS:-}" ]; then
    args+=(-runs="$FUZZ_RUNS" -seed=1)
    echo "== fuzz_$name for $FUZZ_RUNS inputs" >&2
  else
    args+=(-max_total_time="$seconds")
    echo "== fuzz_$name for ${seconds}s" >&2
  fi
  [ -f "$here/dict/$name.dict" ] && args+=(-dict="$here/dict/$name.dict")
  log="$work/$name.log"
  before=$(find "$findings/$name" -type f | wc -l)
  "$program" "${args[@]}" "$work/$name" "$here/corpus/$name" >"$log" 2>&1
  status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  execs=${execs:-0}
  total=$(($(cat "$work/$name.total" 2>/dev/null || echo 0) + execs))
  echo "$total" >"$work/$name.total"
  found=$(($(find "$findings/$name" -type f | wc -l) - before))
  if [ "$status" -ne 0 ]; then
    [ "$found" -eq 0 ] && found=1 # a failure that left no input behind (out of memory, say)
    echo "fuzz_$name failed; the end of its log ($log):" >&2
    tail -30 "$log" >&2
  fi
  corpus=$(find "$work/$name" -type f | wc -l)
  table+=$(printf "\n$row" "$name" "$seconds" "$execs" $((execs / (seconds > 0 ? seconds : 1))) \
    "$total" "$corpus" "$found")
  all_execs=$((all_execs + execs)) all_total=$((all_total + total))
  all_findings=$((all_findings + found))
done
table+=$(printf "\n$row" all "" "$all_execs" "" "$all_total" "" "$all_findings")
echo "$table"
if [ -n "$results" ]; then
  {
    echo "# make fuzz: libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer"
    echo "# $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, ${seconds}s per target;"
    echo "# 'total execs' adds up every run in this build folder."
    echo "$table"
  } >"$results"
fi
[ "$all_findings" -eq 0 ]
