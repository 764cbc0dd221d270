#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it, optionally on a
# file: scripts/run.sh [FILE]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
args=("$@")
for i in "${!args[@]}"; do
    [ -e "${args[$i]}" ] && args[$i]="$(realpath "${args[$i]}")"
done
cd "$root"
# A fresh machine first gets what the build needs.
DUVAZADI_BUILD_GUI=ON scripts/setup.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUVAZADI_BUILD_GUI=ON
cmake --build build -j2 --target duvazadi
exec build/bin/duvazadi "${args[@]}"
