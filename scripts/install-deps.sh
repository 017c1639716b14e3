#!/usr/bin/env bash
# Installs the Debian packages that building and testing Vendrel need.
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

packages=(
    cmake g++ clang libclang-rt-14-dev pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libz80ex-dev libspectrum-dev fuse-emulator-utils pasmo z80asm
    cc65 acme 64tass dasm xa65
    valgrind gzip xz-utils strace
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" </dev/null
