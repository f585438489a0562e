#!/usr/bin/env bash
# Builds one fuzz target with clang in build-fuzz/ and runs it for SECONDS (30 minutes unless told)
# from its checked-in seeds. What it learns stays in build-fuzz/campaign/TARGET/corpus for the next
# run; an input that crashes or breaks an invariant is kept in build-fuzz/campaign/TARGET/crashes and
# the script fails. fuzz/TARGET.dict, where there is one, gives libFuzzer the words of the target's
# input. Further arguments go to libFuzzer (-jobs=2, -only_ascii=1, ...).
# Usage: fuzz/run-campaign.sh TARGET [SECONDS] [LIBFUZZER OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: fuzz/run-campaign.sh TARGET [SECONDS] [LIBFUZZER OPTION...]}
seconds=${2:-1800}
shift $(($# < 2 ? $# : 2))
if [ ! -d "fuzz/corpus/$target" ]; then
    echo "run-campaign.sh: no fuzz target $target; there are: $(ls fuzz/corpus | tr '\n' ' ')" >&2
    exit 2
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIK_FUZZ=ON \
    -DTAVRIK_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "$target"

work=build-fuzz/campaign/$target
mkdir -p "$work/corpus" "$work/crashes"
dictionary=()
[ -f "fuzz/$target.dict" ] && dictionary=(-dict="fuzz/$target.dict")
UBSAN_OPTIONS=print_stacktrace=1 "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/crashes/" "${dictionary[@]}" "$@" "$work/corpus" "fuzz/corpus/$target"
