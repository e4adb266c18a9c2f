#!/usr/bin/env bash
# Measures the time from starting ColtsTracker to its first visible window, under Xvfb, on a
# set-up district (main control form) and prints each run and the median in milliseconds.
# usage: tools/startup-time.sh [RUNS] [PROGRAM_FOLDER]   (default 9 runs, a fresh folder)
# PROGRAM and WINDOW, when set, time another program and the title of its first window.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
folder=${2:-}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)"; exit 1; }
done
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
if [ -z "$folder" ]; then
    folder="$work/program"
    "$top/scripts/install.sh" "$folder" >/dev/null
fi
export HOME="$work/home"
mkdir -p "$HOME/.config/ColtsTracker"
printf '[ProgramConst]\nDistrictNumber=4\nNumberofRings=2\n' >"$HOME/.config/ColtsTracker/ColtsTracker.conf"

# Xvfb picks a free display itself and writes its number to the pipe.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 number <&3
export DISPLAY=:$number
ready=no
for _ in $(seq 50); do
    if xdotool getdisplaygeometry >/dev/null 2>&1; then ready=yes; break; fi
    sleep 0.1
done
[ "$ready" = yes ] || { echo "Xvfb did not start on $DISPLAY"; exit 1; }

times=()
for i in $(seq "$runs"); do
    start=$(date +%s%N)
    ${PROGRAM:-"$folder/coltstracker"} >>"$work/program.log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "${WINDOW:-Main Control Form}" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before showing its window:"; cat "$work/program.log"; exit 1
        fi
    done
    end=$(date +%s%N)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    echo "run $i: $ms ms"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "median of $runs runs: $median ms"
