#!/usr/bin/env bash
# Builds in Release, generates networks of about 1, 10 and 50 MB and prints,
# for each size and stage, the median time, the throughput and the peak
# resident memory, then the ratio of the 50 MB time to the 10 MB time
# (5.0 is linear). Usage: scripts/bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

bash scripts/setup.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DDUVAZADI_BUILD_GUI=OFF >/dev/null
cmake --build build-release -j2 --target ldf_bench duvazadi-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
declare -A seconds
for mb in 1 10 50; do
    python3 bench/gen_ldf.py --bytes $((mb * 1000000)) -o "$work/net$mb.ldf"
done

printf '%-6s %-10s %10s %10s %10s\n' size stage seconds MB/s peak-MB
for mb in 1 10 50; do
    file="$work/net$mb.ldf"
    size=$(stat -c %s "$file")
    report=$(build-release/bin/ldf_bench "$file" "$runs")
    peak=$(echo "$report" | sed -n 's/.*peak RSS \([0-9.]*\) MB/\1/p')
    while read -r stage secs _ rate _; do
        printf '%-6s %-10s %10s %10s %10s\n' "${mb}MB" "$stage" "$secs" "$rate" "$peak"
        seconds[$mb,$stage]=$secs
    done < <(echo "$report" | tail -n 4)
    read -r secs peak < <(python3 bench/measure_process.py "$runs" build-release/bin/duvazadi-cli check "$file")
    rate=$(python3 -c "print(f'{$size / 1e6 / $secs:.1f}')")
    printf '%-6s %-10s %10s %10s %10s\n' "${mb}MB" "cli-check" "$secs" "$rate" "$peak"
    seconds[$mb,cli-check]=$secs
done

echo
echo "time ratio 50 MB / 10 MB (5.0 is linear):"
for stage in read repair prepare write cli-check; do
    python3 -c "print(f'  {\"$stage\":<10} {${seconds[50,$stage]} / max(${seconds[10,$stage]}, 1e-9):.2f}')"
done
