#!/usr/bin/env bash
# Sets up what this machine lacks, builds Daxo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build
exec build/app/daxo "$@"
