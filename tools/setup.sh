#!/usr/bin/env bash
# Installs what building, running and testing Zentrix need, from Debian's packages.
# Only missing packages are installed; apt-get runs as root, through sudo otherwise.
set -euo pipefail

packages=(
    cmake ninja-build g++ python3
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    googletest libgtest-dev
    wine wine64
    xvfb xauth x11-utils x11-apps xdotool imagemagick libx11-dev libxinerama-dev
    clang libclang-rt-14-dev valgrind
    nsis
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
