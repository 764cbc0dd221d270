#!/usr/bin/env bash
# Builds in Release (build-release/), generates networks of about 1, 10 and
# 50 MB and prints, for each size and stage, the median time over RUNS runs,
# the throughput and the peak resident memory, then for each stage the ratio
# of the 50 MB time to the 10 MB time (5.0 is linear). The stages are those
# of bench/LdfBench.cpp, and cli-check: "duvazadi-cli check" as a whole
# process (reading the file, repair, checks and the report).
# Usage: scripts/bench.sh [RUNS] (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
sizes=(1 10 50)
stages=(read+parse repair prepare write cli-check)

DUVAZADI_BUILD_GUI=OFF bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DDUVAZADI_BUILD_GUI=OFF >/dev/null
cmake --build build-release -j2 --target ldf_bench duvazadi-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for mb in "${sizes[@]}"; do
    python3 bench/gen_ldf.py --bytes $((mb * 1000000)) -o "$work/net$mb.ldf"
done

declare -A seconds
row() { printf '%-7s %-11s %9s %9s %9s\n' "$@"; }
row size stage seconds MB/s peak-MB
for mb in "${sizes[@]}"; do
    file="$work/net$mb.ldf"
    bytes=$(stat -c %s "$file")
    size=$(awk -v b="$bytes" 'BEGIN { printf "%.1fMB", b / 1e6 }')
    while read -r stage secs rate peak; do
        row "$size" "$stage" "$secs" "$rate" "$peak"
        seconds[$mb,$stage]=$secs
    done < <(build-release/bin/ldf_bench "$file" "$runs")
    read -r secs peak < <(python3 bench/measure_process.py "$runs" build-release/bin/duvazadi-cli check "$file")
    rate=$(awk -v b="$bytes" -v s="$secs" 'BEGIN { printf "%.1f", (s > 0 ? b / 1e6 / s : 0) }')
    row "$size" cli-check "$secs" "$rate" "$peak"
    seconds[$mb,cli-check]=$secs
done

echo
echo "time ratio 50 MB / 10 MB (5.0 is linear):"
for stage in "${stages[@]}"; do
    awk -v st="$stage" -v a="${seconds[50,$stage]}" -v b="${seconds[10,$stage]}" \
        'BEGIN { printf "  %-11s %5.2f\n", st, (b > 0 ? a / b : 0) }'
done
