#!/usr/bin/env bash
# Configures and builds in ./build: everything (program, tools and tests), or only the targets
# named in COLTS_TARGETS (the run command builds the program and what it installs).
# usage: scripts/build.sh [FOLDER [CMAKE OPTION...]]: another build folder under the top, with
# its own options (the sanitizer build is made this way).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-build}
shift $(($# > 0 ? 1 : 0))
cmake -S "$top" -B "$top/$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
targets=()
for t in ${COLTS_TARGETS:-}; do
    targets+=(--target "$t")
done
cmake --build "$top/$folder" -j "$(nproc)" "${targets[@]}"
