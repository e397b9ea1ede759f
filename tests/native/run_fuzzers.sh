#!/usr/bin/env bash
# Runs every libFuzzer program of a native build (the programs named fuzz_*, built with
# clang by the target `fuzzers`, see tests/native/CMakeLists.txt) for a fixed time each.
#   tests/native/run_fuzzers.sh <native-build-dir> <seconds-per-program>
# Builds nothing. An input that crashes a program, breaks a sanitizer check, hangs or
# runs out of memory is written to build/fuzz-crashes/<program>-<kind>-<hash>, and the
# script then exits with 1 (2 for bad arguments or no programs found). Each program
# keeps its corpus in build/fuzz-corpus/<program>/, so later runs start where earlier
# ones stopped. Reproduce a crash with: <native-build-dir>/<program> <crash file>
set -uo pipefail

if [ $# -ne 2 ] || ! [[ "$2" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 <native-build-dir> <seconds-per-program>" >&2
  exit 2
fi
BUILD_DIR="$1"
SECONDS_EACH="$2"
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
CRASHES="$ROOT/build/fuzz-crashes"
CORPORA="$ROOT/build/fuzz-corpus"

if [ ! -d "$BUILD_DIR" ]; then
  echo "run_fuzzers: no build folder $BUILD_DIR" >&2
  exit 2
fi
mapfile -t programs < <(find "$BUILD_DIR" -maxdepth 2 -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#programs[@]} -eq 0 ]; then
  echo "run_fuzzers: no fuzz_* programs in $BUILD_DIR (configure it with CC=clang CXX=clang++" \
       "and build the target fuzzers)" >&2
  exit 2
fi

mkdir -p "$CRASHES" "$CORPORA"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
failed=()
for program in "${programs[@]}"; do
  name="$(basename "$program")"
  mkdir -p "$CORPORA/$name"
  echo "run_fuzzers: $name for ${SECONDS_EACH}s"
  # A single input taking more than 30 s counts as a hang.
  "$program" "$CORPORA/$name" \
      -max_total_time="$SECONDS_EACH" \
      -timeout=30 \
      -artifact_prefix="$CRASHES/$name-" \
      -print_final_stats=1 >"$log" 2>&1
  status=$?
  if [ $status -ne 0 ]; then
    echo "run_fuzzers: $name FAILED (exit status $status); the last lines of its output:" >&2
    tail -n 40 "$log" >&2
    failed+=("$name")
  else
    grep -E '^stat::number_of_executed_units|^Done ' "$log" | sed "s/^/  /"
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "run_fuzzers: ${#failed[@]} program(s) failed: ${failed[*]}; inputs in $CRASHES" >&2
  exit 1
fi
echo "run_fuzzers: ${#programs[@]} programs ran ${SECONDS_EACH}s each without a failure"
