#!/usr/bin/env bash
# Configures into build/ and builds with two jobs; programs land in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUVAZADI_BUILD_GUI="${DUVAZADI_BUILD_GUI:-ON}" "$@"
cmake --build build -j2
