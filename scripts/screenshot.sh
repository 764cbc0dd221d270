#!/usr/bin/env bash
# Renders the editor window with FILE open (tree expanded, the first red item
# selected) into OUT.png, without a display: scripts/screenshot.sh FILE OUT.png
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 FILE OUT.png" >&2
    exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
file="$(realpath "$1")"
out="$(realpath -m "$2")"
cd "$root"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUVAZADI_BUILD_GUI=ON
cmake --build build -j2 --target gui_screenshot
QT_QPA_PLATFORM=offscreen build/bin/gui_screenshot "$file" "$out"
echo "$out"
