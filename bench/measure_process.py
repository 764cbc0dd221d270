#!/usr/bin/env python3
"""Runs a command several times; prints the median wall time in seconds and
the peak resident memory in MB of the largest run: "SECONDS PEAK_MB"."""

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
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append(time.perf_counter() - start)
    peak_kb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    print(f"{statistics.median(times):.4f} {peak_kb / 1024:.1f}")


if __name__ == "__main__":
    main()
