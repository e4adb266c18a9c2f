#!/usr/bin/env bash
# Puts the built program into the program folder (default ~/ColtsTracker): the program file and
# its spreadsheet module, the class heading pictures in LabelFiles/, and the delivered database
# VORNColts.mdb only when no database is there yet. A database already there is never touched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-"$HOME/ColtsTracker"}
"$top/scripts/program-folder.sh" "$folder"
mkdir -p "$folder"
# The program without its debugging information, and beside it the module it loads to read and
# write spreadsheets.
install -s -m 755 "$top/build/coltstracker" "$folder/coltstracker.new"
install -s -m 644 "$top/build/libcoltstracker-workbooks.so" "$folder/libcoltstracker-workbooks.so.new"
mv -f "$folder/libcoltstracker-workbooks.so.new" "$folder/libcoltstracker-workbooks.so"
mv -f "$folder/coltstracker.new" "$folder/coltstracker"
"$top/build/tools/coltstracker-makedb" "$folder"
log=$(mktemp)
if ! "$top/build/tools/coltstracker-labels" "$folder" >"$log" 2>&1; then
    cat "$log"; rm -f "$log"; exit 1
fi
rm -f "$log"

# The program in the desktop menu, for this user.
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
mkdir -p "$applications"
"$top/scripts/desktop-entry.sh" "$folder" "$applications/coltstracker.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$applications/coltstracker.desktop"
fi
