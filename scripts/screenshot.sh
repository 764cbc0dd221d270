#!/usr/bin/env bash
# Renders the editor window with FILE open (tree expanded, the first red item
# selected) into OUT.png, without a display:
#   scripts/screenshot.sh FILE OUT.png [--select PATH] [--row N] [--menu tree|list] [--sheet] [--find TEXT]
#                         [--data HEX] [--hex] [--paste FILE] [--errors N]
# --select picks the tree item by its texts ("Nodes/Light"), --row a row of
# the data list; --menu draws the tree's or the list's context menu over the
# window; --sheet saves the sheet that Properties opens instead; --find
# filters the tree as Ctrl+F does; --data types HEX into the frame layout's
# Data field; --hex turns View > Hexadecimal on; --paste puts FILE's text on
# the clipboard and runs Edit > Paste; --errors saves the Errors / Hints
# dialog that Open shows instead, with its message N chosen.
set -euo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 FILE OUT.png [--select PATH] [--row N] [--menu tree|list] [--sheet] [--find TEXT] [--data HEX] [--hex] [--paste FILE] [--errors N]" >&2
    exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
file="$(realpath "$1")"
out="$(realpath -m "$2")"
shift 2
cd "$root"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUVAZADI_BUILD_GUI=ON
cmake --build build -j2 --target gui_screenshot
QT_QPA_PLATFORM=offscreen build/bin/gui_screenshot "$file" "$out" "$@"
echo "$out"
