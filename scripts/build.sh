#!/usr/bin/env bash
# Configures and builds everything in ./build (program, tools and tests).
# usage: scripts/build.sh [FOLDER [CMAKE OPTION...]]: another build folder under the top, with
# its own options (the sanitizer build is made this way).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-build}
shift $(($# > 0 ? 1 : 0))
cmake -S "$top" -B "$top/$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$top/$folder" -j "$(nproc)"
