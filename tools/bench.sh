#!/usr/bin/env bash
# Makes a district of 200 teams and 3,000 riders and one ten times larger, each with three meets
# entered and placed, and prints the program's speed and memory on both side by side: every
# screen and report (with the ratio between the two), the start-up against a bare Qt program,
# and the peak memory. Needs Xvfb and xdotool for the start-up (installed when missing).
# usage: tools/bench.sh [RUNS]   (default 9)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
"$top/scripts/setup.sh" tests
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
# The same made ten times larger, for what grows with the district.
large="$work/large"
"$top/build/tools/coltstracker-makedb" "$large" >/dev/null
"$top/build/tools/coltstracker-district" "$large" --teams 2000 --riders 30000 --seed 1 >/dev/null
bin="$top/build/tools"
echo "ColtsTracker on $(date -u +%Y-%m-%d), $(nproc) cores; districts of 200 teams, 3,000 riders and of 2,000 teams, 30,000 riders, three meets entered and placed."
echo
QT_QPA_PLATFORM=offscreen "$bin/coltstracker-bench-screens" "$folder" "$large" --runs "$runs" 2>/dev/null
echo
QT_QPA_PLATFORM=offscreen "$bin/coltstracker-bench-reports" "$folder" "$large" --runs "$runs" 2>/dev/null
echo
# Start-up times wander with the machine's load: the programs take turns, 11 starts at a time,
# five times over, and the medians of all their starts are compared. The bare program shows a
# line of text, as every first window does; an empty window, which loads no font at all (font
# set-up is about a third of a start), is shown for comparison.
: >"$work/program.times"
: >"$work/bare.times"
: >"$work/empty.times"
starts() { "$@" | grep '^run' | grep -o '[0-9]* ms'; }
for round in 1 2 3 4 5; do
    starts "$top/tools/startup-time.sh" 11 "$folder" >>"$work/program.times"
    PROGRAM="$bin/coltstracker-bare" WINDOW="Bare Window" starts "$top/tools/startup-time.sh" 11 "$folder" >>"$work/bare.times"
    PROGRAM="$bin/coltstracker-bare --empty" WINDOW="Bare Window" starts "$top/tools/startup-time.sh" 11 "$folder" >>"$work/empty.times"
done
median() { sort -n "$1" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
program=$(median "$work/program.times")
bare=$(median "$work/bare.times")
empty=$(median "$work/empty.times")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "| start-up to the first window (Xvfb, median of 55 starts each) | ColtsTracker | bare Qt program, one line of text | ratio | empty window, no font loaded | ratio |"
echo "|---|---|---|---|---|---|"
echo "| | $program ms | $bare ms | $(ratio "$program" "$bare") | $empty ms | $(ratio "$program" "$empty") |"
