#!/usr/bin/env python3
"""Times the Python module on a generated network of about 1 MB.

    PYTHONPATH=build/python python3 bench/python_bench.py [--runs N] [--bytes B] [--file LDF]
                                                          [--cli PROGRAM]

Prints the median time of duvazadi.load on the file and of frame.decode on
the first unconditional frame. When ldfparser is importable (it is not a
dependency of this project), its parse_ldf and its decoding of the same frame
are timed in the same run and the ratios printed; otherwise those rows are
skipped, and so are they when parse_ldf refuses the file. --file times a
given file instead of a generated one, for instance one that a version of
ldfparser reads. --cli times `duvazadi-cli check` on the file as a process of
its own, as a script or a pipeline runs it, start-up included, and compares
it with parse_ldf as well.
"""

import argparse
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

import duvazadi

GENERATOR = pathlib.Path(__file__).resolve().parent / "gen_ldf.py"


def median_seconds(action, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        action()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def decode_runs(action, repeats, runs):
    """The median time of one call, over runs batches of repeats calls."""
    return median_seconds(lambda: [action() for _ in range(repeats)], runs) / repeats


def other_library():
    try:
        import ldfparser
    except ImportError:
        return None
    return ldfparser


def row(label, seconds):
    print(f"{label:32} {seconds * 1e3:12.4f} ms")


def main():
    arguments = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    arguments.add_argument("--runs", type=int, default=5)
    arguments.add_argument("--bytes", type=int, default=1_000_000)
    arguments.add_argument("--decodes", type=int, default=10_000, help="decodes per timed batch")
    arguments.add_argument("--file", help="an LDF file to time instead of a generated one")
    arguments.add_argument("--cli", help="the duvazadi-cli program to time as a process")
    options = arguments.parse_args()

    with tempfile.TemporaryDirectory() as folder:
        path = options.file or os.path.join(folder, "generated.ldf")
        if not options.file:
            subprocess.run([sys.executable, str(GENERATOR), "--bytes", str(options.bytes), "-o", path], check=True)
        size = os.path.getsize(path)
        print(f"file: {size} bytes, {options.runs} runs, median")

        load_time = median_seconds(lambda: duvazadi.load(path), options.runs)
        row("duvazadi.load", load_time)
        network = duvazadi.load(path)
        frame = network.frames[0]
        data = frame.encode()
        decode_time = decode_runs(lambda: frame.decode(data), options.decodes, options.runs)
        row(f"frame.decode ({frame.name})", decode_time)
        if options.cli:
            # A process's time varies more than a call's: more runs make the median steady.
            check = [options.cli, "check", path]
            check_time = median_seconds(lambda: subprocess.run(check, stdout=subprocess.DEVNULL), 4 * options.runs + 1)
            row("duvazadi-cli check (process)", check_time)

        ldfparser = other_library()
        if ldfparser is None:
            print("ldfparser is not importable: its rows are skipped")
            return
        try:
            theirs = ldfparser.parse_ldf(path).get_unconditional_frame(frame.name)
        except Exception as error:  # whatever the other library raises on a file it refuses
            print(f"ldfparser.parse_ldf refuses the file ({type(error).__name__}): its rows are skipped")
            return
        parse_time = median_seconds(lambda: ldfparser.parse_ldf(path), options.runs)
        row("ldfparser.parse_ldf", parse_time)
        their_decode = decode_runs(lambda: theirs.decode(data), options.decodes, options.runs)
        row("ldfparser frame.decode", their_decode)
        print(f"load: {parse_time / load_time:.0f} times faster; decode: {their_decode / decode_time:.1f} times faster")
        if options.cli:
            print(f"check as a process: {parse_time / check_time:.0f} times faster than parse_ldf")


if __name__ == "__main__":
    main()
