#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that a Linux desktop
# finds everything it needs there, valid; with --package, also builds the
# Debian package and holds it to Debian's standards with lintian:
#   check_install.sh <cmake> <build folder> <application id> <version> [--package]
set -euo pipefail
cmake=$1 build=$2 id=$3 version=$4 package=${5:-}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "check_install: $*" >&2; exit 1; }
for file in games/daxo games/daxo-coach share/man/man6/daxo-coach.6.gz \
            share/doc/daxo/copyright share/doc/daxo/changelog.gz \
            "share/applications/$id.desktop" \
            "share/metainfo/$id.metainfo.xml" \
            "share/icons/hicolor/scalable/apps/$id.svg" \
            share/man/man6/daxo.6.gz; do
    [[ -f "$prefix/$file" ]] || fail "missing $file"
done
# What a package ships that the sanitizers' build leaves out: perfect
# play's table and every level's openings, worked out when it was built.
if [[ "$package" == "--package" ]]; then
    for table in perfect-play opening-futures; do
        [[ -s "$prefix/share/daxo/$table.table" ]] || fail "missing share/daxo/$table.table"
    done
fi
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
zcat "$prefix/share/man/man6/daxo-coach.6.gz" | grep -q '^\.TH DAXO-COACH 6' || fail "the coach's manual page does not read"
[[ "$("$prefix/games/daxo-coach" --help | head -n 1)" == "Usage: daxo-coach solve"* ]] ||
    fail "the installed coach does not answer --help"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/games/daxo" --version)" == "daxo $version" ]] ||
    fail "the installed program does not answer --version"
echo "installed tree in order"

if [[ "$package" == "--package" ]]; then
    "$(dirname "$cmake")/cpack" --config "$build/CPackConfig.cmake" -B "$prefix/package" > /dev/null
    deb=("$prefix"/package/daxo_*.deb)
    # Errors and warnings fail; a note that lintian runs as root does not.
    lintian --fail-on error,warning "${deb[0]}"
    echo "package in order"
fi
