#!/usr/bin/env python3
"""Checks that the benchmark networks load as gen_ldf.py promises: a small
one without any finding, a large one with only the findings of its repeated
frame ids and NADs. Usage: check_generated.py PATH_TO_DUVAZADI_CLI"""

import os
import re
import subprocess
import sys
import tempfile

import gen_ldf

EXPECTED_FINDING = re.compile(r"Frame ID obviously doubled: N\d+_(Status|Command)"
                              r"|Nodes / Node\d+: New NAD not unique")


def check(cli, units):
    """The lines duvazadi-cli check prints for a network of that many units."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "net.ldf")
        with open(path, "w", newline="\n") as out:
            out.write(gen_ldf.build(units=units))
        result = subprocess.run([cli, "check", path], capture_output=True, text=True)
    if result.returncode not in (0, 1) or result.stderr:
        sys.exit(f"check of {units} units failed ({result.returncode}): {result.stderr}")
    return result.stdout.splitlines()


def main():
    cli = sys.argv[1]
    clean = check(cli, 30)
    if clean:
        sys.exit("30 units should give no finding, got:\n" + "\n".join(clean[:20]))
    large = check(cli, 200)
    unexpected = [line for line in large if not EXPECTED_FINDING.fullmatch(line)]
    if unexpected:
        sys.exit("unexpected findings for 200 units:\n" + "\n".join(unexpected[:20]))
    doubled = sum(line.startswith("Frame ID") for line in large)
    nads = len(large) - doubled
    # 400 frames on 60 ids: all but the last frame of each id; 200 slaves on 127 NADs.
    if doubled != 400 - 60 or nads != 2 * (200 - 127):
        sys.exit(f"expected 340 doubled ids and 146 shared NADs, got {doubled} and {nads}")
    print("generated networks load as documented")


if __name__ == "__main__":
    main()
