#!/usr/bin/env bash
# Installs what is missing, builds the program, puts it into ~/ColtsTracker and starts it there.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
folder="$HOME/ColtsTracker"
"$top/scripts/program-folder.sh" "$folder"
"$top/scripts/setup.sh" program
COLTS_TARGETS="coltstracker coltstracker-makedb coltstracker-labels" "$top/scripts/build.sh"
"$top/scripts/install.sh" "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MESSAGE
ColtsTracker is installed in $folder. It is a desktop program: start it from the desktop
menu (ColtsTracker), or from a terminal in a desktop session with $folder/coltstracker
MESSAGE
    exit 1
fi
exec "$folder/coltstracker"
