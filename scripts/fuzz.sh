#!/usr/bin/env bash
# Fuzzes the whole pipeline (load, repair, tree preparation, write, reload,
# write again) with libFuzzer for SECONDS seconds, seeded from the fixtures
# and, when present, the third-party corpus. Findings land in fuzz-findings/.
# Usage: scripts/fuzz.sh SECONDS [LIBFUZZER-OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [LIBFUZZER-OPTION...]}
shift

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDUVAZADI_FUZZ=ON -DDUVAZADI_BUILD_GUI=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_pipeline >/dev/null

# Seeds are copied afresh; files of the same name are all kept (numbered).
seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds" build-fuzz/corpus fuzz-findings
find tests/data -name '*.ldf' -exec cp --backup=numbered {} "$seeds/" \;
if [ -d ../shared/corpus ]; then
    find ../shared/corpus -name '*.ldf' -exec cp --backup=numbered {} "$seeds/" \;
fi
build-fuzz/bin/fuzz_pipeline -max_total_time="$seconds" -max_len=65536 -timeout=10 -dict=tests/fuzz/ldf.dict \
    -artifact_prefix=fuzz-findings/ "$@" build-fuzz/corpus "$seeds"
