#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan included) and runs each one
# over its committed seed corpus, fuzz/corpus/<target>/, for a bounded number of executions.
# Usage: scripts/fuzz.sh [RUNS_PER_TARGET]   (default 30000, at most a minute each; CI runs the default)
# New inputs found go to a scratch corpus, so the committed seeds stay as they are; a crash
# leaves its input as <target>-crash-* in build-fuzz/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30000}
source scripts/setup.sh
VELMORIA_PACKAGES+=(clang-14 libclang-rt-14-dev)
velmoria_install
if [ ! -f build-fuzz/build.ninja ]; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DVELMORIA_FUZZ=ON -DVELMORIA_BENCH=OFF
fi
cmake --build build-fuzz --target velmoria_fuzzers -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    scratch=$(mktemp -d)
    log=$scratch.log
    echo "== $name: $runs runs"
    if ! (cd build-fuzz && "fuzz/$name" -runs="$runs" -max_total_time="${FUZZ_SECONDS:-60}" -seed=1 -print_final_stats=1 \
              -artifact_prefix="$PWD/$name-" "$scratch" "../$seeds" >"$log" 2>&1); then
        tail -n 40 "$log"
        echo "fuzz: $name failed; its input is build-fuzz/$name-crash-*" >&2
        exit 1
    fi
    grep -E '^Done|number_of_executed_units' "$log"
    rm -rf "$scratch" "$log"
done
