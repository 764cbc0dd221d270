#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then runs the core
# tests and the CLI over the fixtures and the corpus again under the address
# and undefined-behaviour sanitizers. Exits with the tests' result.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
bash scripts/sanitize.sh
