#!/usr/bin/env bash
# Checks that every C++ file under src/, tests/ and tools/ is formatted as .clang-format says;
# lists the files that are not and fails.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
unformatted=()
while IFS= read -r -d '' f; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        unformatted+=("$f")
    fi
done < <(find src tests tools -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (${#unformatted[@]} files):"
    printf '  %s\n' "${unformatted[@]}"
    echo "Format them with: clang-format -i FILE..."
    exit 1
fi
echo "Every source file is formatted."
