#!/usr/bin/env bash
# Sets up what this machine lacks, then builds and runs the whole test suite
# headless twice: a normal build, and one with AddressSanitizer and
# UndefinedBehaviorSanitizer. Last, the fuzz targets run for a while each.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen
# The tests keep away from the player's own settings, history and cache.
scratch_home=$(mktemp -d)
trap 'rm -rf "$scratch_home"' EXIT
export XDG_CONFIG_HOME=$scratch_home/config XDG_DATA_HOME=$scratch_home/data XDG_CACHE_HOME=$scratch_home/cache
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs=$(nproc)

run_suite() {
    local dir=$1
    shift
    echo "=== $dir"
    cmake -S . -B "$dir" -G Ninja -DBUILD_TESTING=ON -DDAXO_WERROR=ON "$@"
    cmake --build "$dir"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

# libFuzzer with clang, starting from the checked-in corpus. New inputs go to
# a scratch folder, not into the repository; a crashing input is left in
# build-fuzz/.
run_fuzzers() {
    echo "=== build-fuzz"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
        -DDAXO_WERROR=ON -DDAXO_SANITIZE=ON -DDAXO_FUZZ=ON
    cmake --build build-fuzz --target number_text_fuzzer settings_fuzzer record_codec_fuzzer
    local target scratch
    for target in number_text settings record_codec; do
        scratch=$(mktemp -d)
        build-fuzz/tests/fuzz/${target}_fuzzer -max_total_time=20 -print_final_stats=1 \
            -artifact_prefix=build-fuzz/ "$scratch" "tests/fuzz/corpus/$target"
        rm -rf "$scratch"
    done
}

# The package's own flags, so that what ships is what was tested.
run_suite build-test -DCMAKE_BUILD_TYPE=Release
# The sanitizers' build compiles its files a few at a time in one unit,
# which halves its time; the optimised one above compiles each alone, as
# the package does, so that a file that does not build on its own is seen.
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDAXO_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON
run_fuzzers
