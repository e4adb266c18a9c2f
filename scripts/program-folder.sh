#!/usr/bin/env bash
# Refuses a program folder inside a git work tree (the source checkout, say): `git clean` there
# would delete the records with everything else git does not track.
# usage: scripts/program-folder.sh FOLDER
set -euo pipefail
folder=$(realpath -m "$1")
dir=$folder
while [ "$dir" != / ]; do
    if [ -e "$dir/.git" ]; then
        cat >&2 <<MESSAGE
ColtsTracker keeps its records in its program folder, $folder,
and that folder lies inside the git work tree $dir,
where "git clean" would delete them. Move the source folder elsewhere (for example to
~/src/ColtsTracker) and run the command from there.
MESSAGE
        exit 1
    fi
    dir=$(dirname "$dir")
done
