#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the format check, the fuzz targets (clang and its
# libFuzzer runtime, libclang-rt-14-dev) and the application need, only when one is missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libsqlite3-dev sqlite3 libpq-dev postgresql libgtest-dev libgmock-dev libbenchmark-dev
          libxml2-dev libxslt1-dev poppler-utils qt6-base-dev xvfb xauth clang-format
          clang libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
