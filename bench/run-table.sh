#!/usr/bin/env bash
# Builds the table's computers as the package builds them (Release) and
# measures them:
#   bench/run-table.sh [games] [head-to-head games]
# each level's calibration, its mean score, its spread and the standard
# error of its mean over 100,000 games (by default) from `daxo-coach
# simulate`; the level that plays to win against perfect play, over
# 1,000,000 games by default (some 40 minutes and 3.3 GB, the whole game's
# futures kept by each thread); how long a computer's step takes once
# perfect play is worked out; how long the scoreboard's chances of
# winning take at tables of 2, 3 and 6, and how far they are from the exact
# chances at tables of each level (each of these runs works out the whole
# game's futures of its level exactly: 2 minutes and 4 GiB).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench --target daxo-coach table_bench chances_bench opening_futures_table
openings=build-bench/share/daxo/opening-futures.table

games=${1:-100000}
echo "| level | games | mean | sd | standard error | mean loss a decision |"
echo "|---|---|---|---|---|---|"
for level in beginner regular strong perfect; do
    build-bench/tools/daxo-coach simulate --level "$level" --games "$games" --seed 7 |
        awk '{ value[$1] = $2 } END { printf "| %s | %s | %s | %s | %s | %s |\n", value["level"], value["games"], value["mean"], value["sd"], value["standard-error"], value["mean-loss-per-decision"] }'
done
build-bench/tools/daxo-coach simulate --level competitive --against perfect --games "${2:-1000000}" --seed 11
build-bench/bench/table_bench 2000
build-bench/bench/table_bench 300 competitive perfect "$openings"
build-bench/bench/table_bench 20 competitive perfect "$openings" 100
for players in 2 3 6; do
    build-bench/bench/chances_bench 20 "$players" "$openings"
done
for level in beginner regular strong perfect; do
    for players in 2 3 6; do
        build-bench/bench/chances_bench 10 "$players" "$openings" "$level"
    done
done
