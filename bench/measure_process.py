#!/usr/bin/env python3
"""Runs a command several times and prints "SECONDS PEAK_MB": the median wall
time in seconds and the peak resident memory of its largest run. Exit status
0 and 1 count as success (duvazadi-cli check exits 1 when it lists findings).
Usage: measure_process.py RUNS COMMAND [ARGUMENT...]"""

import resource
import statistics
import subprocess
import sys
import time


def main():
    runs = int(sys.argv[1])
    command = sys.argv[2:]
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        times.append(time.perf_counter() - start)
        if result.returncode not in (0, 1):
            sys.exit(f"{' '.join(command)} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
    # The children's high-water mark is that of the largest child.
    peak_kb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    print(f"{statistics.median(times):.4f} {peak_kb / 1024:.1f}")


if __name__ == "__main__":
    main()
