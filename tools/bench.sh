#!/usr/bin/env bash
# Makes a district of 200 teams and 3,000 riders with three meets entered and placed, and
# prints one table of the program's speed and memory on it: every screen and report, the
# start-up against a bare Qt program, and the peak memory. Needs Xvfb and xdotool for the
# start-up (installed when missing).
# usage: tools/bench.sh [RUNS]   (default 9)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
"$top/scripts/setup.sh"
if ! command -v xdotool >/dev/null; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends xdotool >/dev/null
fi
"$top/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/program"
XDG_DATA_HOME="$work/data" "$top/scripts/install.sh" "$folder" >/dev/null 2>&1
"$top/build/tools/coltstracker-district" "$folder" --teams 200 --riders 3000 --seed 1 >/dev/null
bin="$top/build/tools"
echo "ColtsTracker on $(date -u +%Y-%m-%d), $(nproc) cores; district of 200 teams, 3,000 riders, three meets entered and placed."
echo
QT_QPA_PLATFORM=offscreen "$bin/coltstracker-bench-screens" "$folder" --runs "$runs" 2>/dev/null
echo
QT_QPA_PLATFORM=offscreen "$bin/coltstracker-bench-reports" "$folder" --runs "$runs" 2>/dev/null
echo
program=$("$top/tools/startup-time.sh" "$runs" "$folder" | tail -n 1 | grep -o '[0-9]* ms')
bare=$(PROGRAM="$bin/coltstracker-bare" WINDOW="Bare Window" "$top/tools/startup-time.sh" "$runs" "$folder" | tail -n 1 | grep -o '[0-9]* ms')
echo "| start-up to the first window (Xvfb, median of $runs) | ColtsTracker | bare Qt program | ratio |"
echo "|---|---|---|---|"
echo "| | $program | $bare | $(awk -v a="${program% ms}" -v b="${bare% ms}" 'BEGIN { printf "%.2f", a / b }') |"
