#!/usr/bin/env bash
# Installs every Debian package the build and the tests need that is missing.
# Idempotent; runs as root on a fresh Debian machine.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    googletest libbenchmark-dev libsndfile1-dev libcli11-dev pkg-config
    g++-multilib g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 wine64 qemu-user-static
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
