#!/usr/bin/env bash
# Writes the desktop entry that starts ColtsTracker from its program folder.
# usage: scripts/desktop-entry.sh PROGRAM_FOLDER ENTRY_FILE
set -euo pipefail
folder=$(cd "$1" && pwd)
entry=$2
# Exec takes its argument in double quotes, with ", `, $ and \ escaped by a backslash.
quoted=$(printf '%s' "$folder/coltstracker" | sed -e 's/[\\"`$]/\\&/g')
cat >"$entry" <<DESKTOP
[Desktop Entry]
Type=Application
Name=ColtsTracker
GenericName=Riding District Records
Comment=Teams, riders, class entries, placings and standings of a school riding district
Exec="$quoted"
Path=$folder
Icon=$folder/coltstracker.png
Terminal=false
Categories=Office;
DESKTOP
