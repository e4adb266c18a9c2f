#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (offscreen, no display needed), in three
# stages: the format check, the build in ./build with its tests, and the build in
# ./build-sanitize with the tests under the address and undefined-behaviour sanitizers.
# COLTS_SANITIZE=0 ./test.sh leaves out the last stage.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh" tests

stage() { printf '\n== %s\n' "$*"; }
failed=()

stage "format check"
"$top/scripts/format-check.sh" || failed+=("format check")

stage "build and tests"
"$top/scripts/build.sh"
(cd "$top/build" && ctest --output-on-failure) || failed+=("tests")

if [ "${COLTS_SANITIZE:-1}" != 0 ]; then
    stage "build and tests under the sanitizers"
    "$top/scripts/sanitize.sh" || failed+=("tests under the sanitizers")
fi

if [ ${#failed[@]} -gt 0 ]; then
    stage "failed: $(IFS=,; echo "${failed[*]}" | sed 's/,/, /g')"
    exit 1
fi
stage "all passed"
