#!/usr/bin/env bash
# Builds the coach's engine as the package builds it (Release, for any
# x86-64: no -march=native) and measures it:
#   bench/run-coach.sh [games]
# the whole table's wall time with two threads and with one, and its peak
# memory; one piece of advice; and a simulation of games (1,000,000 by
# default) played by the engine's advice, against the expected score.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench --target daxo-coach coach_bench

for threads in 2 1; do
    echo "daxo-coach solve --threads $threads, five runs:"
    for run in 1 2 3 4 5; do
        build-bench/tools/daxo-coach solve --threads "$threads" | tr '\n' ' '
        echo
    done
done
build-bench/bench/coach_bench advice 200000
build-bench/bench/coach_bench simulate "${1:-1000000}"
