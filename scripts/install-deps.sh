#!/usr/bin/env bash
# Installs the Debian packages that building Daxo needs, and with --test those
# that its tests need too. Nothing happens when they are all installed.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-qpa-plugins
          qt6-translations-l10n qt6-tools-dev qt6-l10n-tools gettext libgl-dev fonts-liberation fonts-dejavu-core)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(libgtest-dev poppler-utils desktop-file-utils appstream file lintian dpkg-dev clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
