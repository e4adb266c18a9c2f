#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need, where missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libsqlite3-dev libxlsxwriter-dev
    liborcus-dev qt6-base-private-dev
    fonts-liberation fontconfig poppler-utils desktop-file-utils clang-format
    xvfb xauth unzip
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
