#!/usr/bin/env bash
# Builds Daxo as the package builds it (Release) and measures the history at
# 1,000, 10,000 and 100,000 games, or at the counts given:
#   bench/run-history.sh [games...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench --target history_bench
build-bench/bench/history_bench "$@"
