#!/usr/bin/env bash
# Installs what is missing, checks the layout of the sources, builds, and runs
# every test; fuzzes the pipeline for a minute; then runs the core tests and
# the CLI over the fixtures and the corpus again under the address and
# undefined-behaviour sanitizers. Exits with the tests' result.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/format-check.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
# A fixed seed, so that a failing run can be repeated; the log is shown on failure.
fuzz_log=$(mktemp)
if ! bash scripts/fuzz.sh 60 -seed=1 >"$fuzz_log" 2>&1; then
    tail -n 80 "$fuzz_log"
    exit 1
fi
grep -E '^#[0-9]+[[:space:]]+DONE' "$fuzz_log" || true
rm -f "$fuzz_log"
bash scripts/sanitize.sh
