#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian 12 machine: only the packages
# that are missing, with one apt-get update. Uses sudo when not root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev
    wine wine64 xvfb xauth procps imagemagick librsvg2-bin fonts-liberation espeak-ng sox nsis
    fonts-wqy-microhei fonts-dejavu-core python3
    clang libclang-rt-14-dev
    libcurl4-openssl-dev libssl-dev dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
