#!/usr/bin/env bash
# Builds Daxo and the bare window, then runs the start-up benchmark:
#   bench/run.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
missing=()
for package in xvfb python3-xlib; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target daxo bare_window
# The distribution's Python, which has the python3-xlib package.
exec /usr/bin/python3 bench/startup.py --build build "$@"
