#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application on the demo database (created on
# first use). Arguments go to the application; --help lists them. Without a display, and unless a
# -platform (or QT_QPA_PLATFORM) is given, it runs on a virtual X server (for --screenshot FILE).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tavrik-adjust tavrik-check
launcher=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    launcher=(xvfb-run -a)
    for argument in "$@"; do
        case "$argument" in -platform | --platform | -platform=* | --platform=*) launcher=() ;; esac
    done
fi
exec "${launcher[@]}" build/desktop/tavrik-adjust "$@"
