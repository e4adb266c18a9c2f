#!/usr/bin/env bash
# Makes the pictures of the guide in the README again (docs/guide/*.png): every screen of a meet
# on a made-up district, under Xvfb on a screen of 1024 x 768 (or the size given).
# usage: tools/screenshots.sh [OUT_FOLDER [WIDTHxHEIGHT]]   (default docs/guide 1024x768)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$top/docs/guide"}
size=${2:-1024x768}
"$top/scripts/setup.sh" tests
"$top/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
XDG_DATA_HOME="$work/data" "$top/scripts/install.sh" "$work/program" >/dev/null 2>&1
"$top/build/tools/coltstracker-district" "$work/program" --teams 24 --riders 240 --seed 7 >/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 ${size}x24" \
    "$top/build/tools/coltstracker-screenshots" "$work/program" "$out"
