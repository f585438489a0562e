#!/usr/bin/env bash
# Installs what is missing, starts a private PostgreSQL server, builds, and runs every test: once in
# a plain build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

# The store's PostgreSQL tests run against a private server, stopped however this script ends.
pgdir=$(mktemp -d)
trap 'tools/postgres-test-server.sh stop "$pgdir"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
TAVRIK_TEST_POSTGRES=$(tools/postgres-test-server.sh start "$pgdir") || {
    echo "test.sh: the private PostgreSQL server for the tests did not start; no test was run." >&2
    exit 1
}
export TAVRIK_TEST_POSTGRES

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRIK_SANITIZE=ON -DTAVRIK_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The fuzz targets, built with clang in a tree of their own and each run briefly from its seeds: a
# crash, a sanitizer's report or a broken invariant fails the script. fuzz/run-campaign.sh runs one
# for longer.
mkdir -p build-fuzz/campaign
for target in fuzz/corpus/*/; do
    target=$(basename "$target")
    echo "Fuzzing $target for 5 seconds"
    fuzz/run-campaign.sh "$target" 5 2>"build-fuzz/campaign/$target.log" || {
        tail -n 60 "build-fuzz/campaign/$target.log" >&2
        exit 1
    }
done
