#!/usr/bin/env bash
# Installs what is missing, builds, puts the program into ~/ColtsTracker and starts it there.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
folder="$HOME/ColtsTracker"
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
"$top/scripts/install.sh" "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start ColtsTracker under a virtual one with: xvfb-run -a -s '-screen 0 1280x1024x24' $folder/coltstracker"
    exit 1
fi
exec "$folder/coltstracker"
