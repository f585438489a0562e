#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application on the demo database (created on
# first use). Arguments go to the application; --help lists them.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tavrik-check
exec build/tools/tavrik-check "$@"
