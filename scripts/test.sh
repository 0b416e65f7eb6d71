#!/usr/bin/env bash
# Sets up what this machine lacks, then builds and runs the whole test suite
# headless twice: a normal build, and one with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen
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

run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDAXO_SANITIZE=ON
