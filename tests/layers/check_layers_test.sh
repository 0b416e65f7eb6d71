#!/usr/bin/env bash
# The layer check itself: on a small tree of its own, each kind of wrong-way
# include fails it and a tree that follows the layers passes.
#   check_layers_test.sh <scripts/check-layers.sh>
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

write() { mkdir -p "$tree/$(dirname "$1")"; printf '%s\n' "$2" > "$tree/$1"; }
expect() {
    local outcome=$1 what=$2
    if bash "$check" "$tree" > /dev/null 2>&1; then result=passes; else result=fails; fi
    [[ $result == "$outcome" ]] || { echo "the check $result on $what" >&2; exit 1; }
}

write game/game.h '#include "sheet.h"'
write widgets/picture_box.h '#include "game/game.h"'
write shell/main_window.cpp '#include "main_window.h"
#include "widgets/picture_box.h"'
write print/sheets.cpp '#include "game/game.h"'
write app/windows.cpp '#include "print/sheets.h"
#include "shell/main_window.h"'
expect passes "a tree that follows the layers"

for wrong in 'shell/main_window.cpp:#include "print/sheets.h"' \
             'widgets/picture_box.h:#include "shell/main_window.h"' \
             'game/game.h:#include "widgets/picture_box.h"' \
             'game/game.h:#include <QString>' \
             'print/sheets.cpp:#include "../shell/main_window.h"' \
             'unplaced/window.cpp:#include "game/game.h"'; do
    file=${wrong%%:*}
    saved=$(cat "$tree/$file" 2>/dev/null || true)
    write "$file" "$saved
${wrong#*:}"
    expect fails "${wrong#*:} in $file"
    if [[ -n $saved ]]; then write "$file" "$saved"; else rm -r "$tree/${file%%/*}"; fi
done
expect passes "the tree set back"
echo "the layer check catches every wrong-way include"
