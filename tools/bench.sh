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
# Start-up times wander with the machine's load: the two programs take turns, 11 starts at a
# time, five times over, and the medians of all their starts are compared.
: >"$work/program.times"
: >"$work/bare.times"
for round in 1 2 3 4 5; do
    "$top/tools/startup-time.sh" 11 "$folder" | grep '^run' | grep -o '[0-9]* ms' >>"$work/program.times"
    PROGRAM="$bin/coltstracker-bare" WINDOW="Bare Window" "$top/tools/startup-time.sh" 11 "$folder" |
        grep '^run' | grep -o '[0-9]* ms' >>"$work/bare.times"
done
median() { sort -n "$1" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
program=$(median "$work/program.times")
bare=$(median "$work/bare.times")
echo "| start-up to the first window (Xvfb, median of 55 starts each) | ColtsTracker | bare Qt program | ratio |"
echo "|---|---|---|---|"
echo "| | $program ms | $bare ms | $(awk -v a="$program" -v b="$bare" 'BEGIN { printf "%.2f", a / b }') |"
