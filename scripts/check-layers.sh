#!/usr/bin/env bash
# Fails when a source file includes against the layers. Each folder may
# include its own files and those of the folders it stands on, never a
# sibling or a folder above it; the game's core includes no toolkit.
#   scripts/check-layers.sh [source tree]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The folders each folder stands on.
declare -A stands_on=(
    [game]=""
    [solver]="game"
    [table]="game solver"
    [storage]="game"
    [widgets]="game"
    [shell]="game storage widgets"
    [i18n]="game storage widgets"
    [settings]="game storage widgets"
    [print]="game storage widgets"
    [coach]="game storage widgets solver"
    [scores]="game storage widgets solver table"
    [players]="game storage widgets solver table"
    [app]="game storage widgets solver table shell i18n settings print coach scores players"
    [tools]="game solver table"
    [assets]="game widgets"
    # The benchmarks stand on top, as the program does, and play games as
    # the tests do (tests/support).
    [bench]="game storage widgets solver table shell i18n settings print coach scores players app support"
)
# Folders of the core, the coach's engine, the table of players and the
# command line, which know no toolkit.
toolkit_free=(game solver table tools)
# Folders that are not layers of the program.
not_layers=(tests scripts .ci .git)

faults=0
fault() {
    echo "$1: $2" >&2
    faults=$((faults + 1))
}

for folder in */; do
    folder=${folder%/}
    [[ $folder == build* || " ${not_layers[*]} " == *" $folder "* ]] && continue
    sources=$(find "$folder" -name '*.h' -o -name '*.cpp' | sort)
    [[ -z $sources ]] && continue
    if [[ -z ${stands_on[$folder]+known} ]]; then
        fault "$folder" "a folder of sources that is no layer yet: give it its place in scripts/check-layers.sh"
        continue
    fi
    while IFS= read -r file; do
        while IFS= read -r include; do
            target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$include")
            if [[ $target == *..* ]]; then
                fault "$file" "includes \"$target\", reaching out of its folder"
            elif [[ $target == */* ]]; then
                top=${target%%/*}
                if [[ $top != "$folder" && " ${stands_on[$folder]} " != *" $top "* ]]; then
                    fault "$file" "includes \"$target\", but $folder/ does not stand on $top/"
                fi
            fi
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
        if [[ " ${toolkit_free[*]} " == *" $folder "* ]] &&
            grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            fault "$file" "includes Qt, but $folder/ knows no toolkit"
        fi
    done <<<"$sources"
done

if ((faults > 0)); then
    echo "$faults include(s) against the layers" >&2
    exit 1
fi
echo "every include follows the layers"
