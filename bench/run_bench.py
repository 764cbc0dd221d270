#!/usr/bin/env python3
"""Runs the benchmark programs of one build, or of two builds side by side,
on LDF files and prints one row per file and stage: the median seconds over
the runs, the throughput in MB/s and the peak resident memory, then for each
stage the ratio of the largest file's time to the next largest one's.

With --baseline the programs of both builds run in turn on each file (one run
of the first, one of the second, and so on), so that both see the same load
of the machine, and each row shows the baseline's figures beside this
build's, the speed-up of the medians and that of the fastest runs, which
other load on the machine disturbs least.

Usage: run_bench.py [--runs N] [--baseline BINDIR] BINDIR FILE...
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

# The stages of ldf_bench in the order it prints them, then the CLI's check
# as a whole process, then those of document_bench.
LDF_STAGES = ["read+parse", "repair", "prepare", "write"]
DOCUMENT_STAGES = ["open", "edit", "undo", "redo"]
STAGES = LDF_STAGES + ["cli-check", "check-cpu"] + ["doc-" + s for s in DOCUMENT_STAGES]
# Older builds of document_bench called the edit "add".
STAGE_ALIASES = {"add": "edit"}


# A child forked from this process starts with its resident memory counted
# as its own high-water mark, which would hide peaks below it; GNU time is a
# small process to start the measured ones from.
GNU_TIME = "/usr/bin/time"


def run_measured(command):
    """Runs command; returns its output, wall seconds, CPU seconds (user and
    system) and peak resident MB. duvazadi-cli check exits 1 when it lists
    findings, so 1 counts as success."""
    timed = os.path.exists(GNU_TIME)
    with tempfile.NamedTemporaryFile("r") as peak_file:
        if timed:
            command = [GNU_TIME, "-q", "-f", "%M", "-o", peak_file.name] + command
        start = time.perf_counter()
        process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        output = process.stdout.read()
        _, status, usage = os.wait4(process.pid, 0)
        seconds = time.perf_counter() - start
        returncode = os.waitstatus_to_exitcode(status)
        if returncode not in (0, 1):
            sys.exit(f"{' '.join(command)} failed with exit status {returncode}")
        peak_kb = int(peak_file.read().split()[-1]) if timed else usage.ru_maxrss
    return output.decode(), seconds, usage.ru_utime + usage.ru_stime, peak_kb / 1024


def measure_once(bindir, path, figures):
    """One run of every program of bindir on path; appends to figures."""
    output, _, _, _ = run_measured([os.path.join(bindir, "ldf_bench"), path, "1"])
    for line in output.splitlines():
        stage, seconds, _, peak = line.split()
        figures.setdefault(stage, []).append((float(seconds), float(peak)))
    _, seconds, cpu, peak = run_measured([os.path.join(bindir, "duvazadi-cli"), "check", path])
    figures.setdefault("cli-check", []).append((seconds, peak))
    figures.setdefault("check-cpu", []).append((cpu, peak))
    output, _, _, peak = run_measured([os.path.join(bindir, "document_bench"), path, "1"])
    # "open 0.8 ..." per line, or older builds' "open 0.8 s  add 0.3 s ...".
    for name, seconds in re.findall(r"([a-z]+) ([0-9.]+)", output):
        figures.setdefault("doc-" + STAGE_ALIASES.get(name, name), []).append((float(seconds), peak))


def medians(samples):
    return statistics.median(s for s, _ in samples), statistics.median(p for _, p in samples)


def fastest(samples):
    return min(s for s, _ in samples)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--baseline")
    parser.add_argument("bindir")
    parser.add_argument("files", nargs="+")
    arguments = parser.parse_args()
    builds = [arguments.bindir] + ([arguments.baseline] if arguments.baseline else [])

    if arguments.baseline:
        header = ("size", "stage", "before-s", "now-s", "speed-up", "best-up", "MB/s", "before-MB", "peak-MB")
    else:
        header = ("size", "stage", "seconds", "MB/s", "peak-MB")
    row_format = "%-7s %-11s" + " %9s" * (len(header) - 2)
    print(row_format % header)
    seconds_by_file = []
    for path in arguments.files:
        megabytes = os.path.getsize(path) / 1e6
        figures = [{} for _ in builds]
        for _ in range(arguments.runs):
            for bindir, build_figures in zip(builds, figures):
                measure_once(bindir, path, build_figures)
        seconds_by_file.append([{stage: medians(samples)[0] for stage, samples in f.items()} for f in figures])
        for stage in STAGES:
            if stage not in figures[0]:
                continue
            seconds, peak = medians(figures[0][stage])
            rate = f"{megabytes / seconds:.1f}" if seconds > 0 else "-"
            size = f"{megabytes:.1f}MB"
            if not arguments.baseline:
                print(row_format % (size, stage, f"{seconds:.4f}", rate, f"{peak:.1f}"))
                continue
            if stage in figures[1]:
                before, before_peak = medians(figures[1][stage])
                speed_up = f"{before / seconds:.2f}" if seconds > 0 else "-"
                best_now = fastest(figures[0][stage])
                best_up = f"{fastest(figures[1][stage]) / best_now:.2f}" if best_now > 0 else "-"
                before_texts = (f"{before:.4f}", speed_up, best_up, rate, f"{before_peak:.1f}")
            else:
                before_texts = ("-", "-", "-", rate, "-")
            print(row_format % (size, stage, before_texts[0], f"{seconds:.4f}", *before_texts[1:], f"{peak:.1f}"))

    if len(seconds_by_file) >= 2:
        names = " / ".join(os.path.basename(f) for f in arguments.files[-1:-3:-1])
        print(f"\ntime ratio {names}" + (" (before, now)" if arguments.baseline else "") + ":")
        for stage in STAGES:
            ratios = []
            for larger, smaller in zip(seconds_by_file[-1][::-1], seconds_by_file[-2][::-1]):
                if smaller.get(stage) and stage in larger:
                    ratios.append(f"{larger[stage] / smaller[stage]:5.2f}")
            if ratios:
                print(f"  {stage:<11} " + " ".join(ratios))


if __name__ == "__main__":
    main()
