#!/usr/bin/env bash
# Installs the Debian packages a command needs, where missing.
# usage: scripts/setup.sh [program|tests]   (default tests: everything the tests and tools need)
#   program: what building and running the program needs
#   tests:   that, and what the tests, the format check, the guide pictures and the benchmarks use
set -euo pipefail

program=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev
    libxlsxwriter-dev liborcus-dev fonts-liberation fontconfig libfontconfig-dev
)
tests=(
    poppler-utils desktop-file-utils clang-format xvfb xauth unzip
)
case "${1:-tests}" in
    program) packages=("${program[@]}") ;;
    tests) packages=("${program[@]}" "${tests[@]}") ;;
    *) echo "usage: $0 [program|tests]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Installing needs root: as root, or through sudo. Say so before anything is changed.
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        cat >&2 <<MESSAGE
ColtsTracker needs these Debian packages, which are not installed yet:
    ${missing[*]}
Installing them needs root, and this system has no sudo. Either install them as root once:
    su -c 'apt-get install --no-install-recommends ${missing[*]}'
or install sudo (su -c 'apt-get install sudo', then add yourself to the group sudo), and then
run this command again.
MESSAGE
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing ${#missing[@]} Debian packages and what they need (a minute or two):"
echo "    ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"
