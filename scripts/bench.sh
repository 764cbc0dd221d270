#!/usr/bin/env bash
# Builds in Release (build-release/), generates networks of about 1, 10 and
# 50 MB and prints, for each size and stage, the median time over RUNS runs,
# the throughput and the peak resident memory, then for each stage the ratio
# of the 50 MB time to the 10 MB time (5.0 is linear). The stages are those
# of bench/LdfBench.cpp, cli-check ("duvazadi-cli check" as a whole process)
# and those of bench/DocumentBench.cpp (the editor's document: open, one
# edit, its undo and its redo). bench/README.md describes them.
# With BASELINE set to the bin folder of another Release build (one with
# ldf_bench, duvazadi-cli and document_bench), both builds run in turn and
# each row shows the baseline's figures beside this build's.
# Usage: [BASELINE=DIR] scripts/bench.sh [RUNS] (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

DUVAZADI_BUILD_GUI=OFF bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DDUVAZADI_BUILD_GUI=OFF >/dev/null
cmake --build build-release -j2 --target ldf_bench duvazadi-cli document_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=()
for mb in 1 10 50; do
    python3 bench/gen_ldf.py --bytes $((mb * 1000000)) -o "$work/net$mb.ldf"
    files+=("$work/net$mb.ldf")
done
python3 bench/run_bench.py --runs "$runs" ${BASELINE:+--baseline "$BASELINE"} build-release/bin "${files[@]}"
