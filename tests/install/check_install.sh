#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that a Linux desktop
# finds everything it needs there, valid:
#   check_install.sh <cmake> <build folder> <application id> <version>
set -euo pipefail
cmake=$1 build=$2 id=$3 version=$4

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "check_install: $*" >&2; exit 1; }
for file in bin/daxo \
            "share/applications/$id.desktop" \
            "share/metainfo/$id.metainfo.xml" \
            "share/icons/hicolor/scalable/apps/$id.svg" \
            share/man/man6/daxo.6.gz; do
    [[ -f "$prefix/$file" ]] || fail "missing $file"
done
for size in 16 22 24 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/$id.png"
    [[ -f "$prefix/$icon" ]] || fail "missing $icon"
    file "$prefix/$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not $size by $size"
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" > /dev/null ||
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
zcat "$prefix/share/man/man6/daxo.6.gz" | grep -q '^\.TH DAXO 6' || fail "the manual page does not read"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/daxo" --version)" == "daxo $version" ]] ||
    fail "the installed program does not answer --version"
echo "installed tree in order"
