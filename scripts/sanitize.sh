#!/usr/bin/env bash
# Builds the program, the tools the tests run and the tests in ./build-sanitize with the address
# and undefined-behaviour sanitizers, and runs every test there: the first memory error, leak or
# undefined behaviour fails its test. The programs the tests start (the fault child, makedb,
# the district generator) are built the same way and inherit these options.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" build-sanitize -DCOLTS_SANITIZE=ON -DCOLTS_BENCHMARKS=OFF
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1
cd "$top/build-sanitize"
ctest --output-on-failure
