#!/usr/bin/env python3
"""Writes a LIN 2.0 description file in the writer's layout for benchmarks.

    gen_ldf.py --bytes N [-o FILE]     as many units as make about N bytes
    gen_ldf.py --units K [-o FILE]     K units

One unit is a slave with its attributes and configurable frames, eight
signals (scalars and a byte array) published and subscribed by the slave
and the master, two unconditional frames, an event-triggered and a sporadic
frame, a schedule table with a slot of every frame kind and every command,
an encoding type with logical and physical values and its representation.
The two diagnostic frames and the dynamic frame list are written once.

Every list grows with the size; frame ids and NADs cannot, so they repeat
once LIN runs out of them. Up to 30 units the file is a clean network: no
message from the reader or the repair, no item marked by the checks. Beyond
that the only findings are those of the repeated values: the repair reports
"Frame ID obviously doubled:" for every frame whose id a later frame reuses
(from 31 units on), and the checks mark "New NAD not unique" on slaves that
share a NAD (from 128 units on). bench/check_generated.py keeps it so.
"""

import argparse
import sys

SECTIONS = ("slaves", "signals", "frames", "sporadic", "event", "attributes", "tables", "encodings",
            "representations")


def unit(k):
    """The pieces unit k adds to each section."""
    slave = f"Node{k}"
    sig = [f"N{k}_Sig{i}" for i in range(8)]
    status, command = f"N{k}_Status", f"N{k}_Command"
    fid = (2 * k) % 60
    nad = 1 + k % 127
    signals = []
    for i in range(6):
        publisher, subscriber = (slave, "BCM") if i < 3 else ("BCM", slave)
        signals.append(f"\t{sig[i]}: {1 + (i * 3) % 16}, {i}, {publisher}, {subscriber};\n")
    signals.append(f"\t{sig[6]}: 16, {{ 1, 2 }}, {slave}, BCM;\n")
    signals.append(f"\t{sig[7]}: 8, 255, BCM, {slave};\n")
    return {
        "slaves": slave,
        "signals": "".join(signals),
        "frames": f"\t{status}: {fid}, {slave}, 8 {{\n"
                  f"\t\t{sig[0]}, 0;\n\t\t{sig[1]}, 8;\n\t\t{sig[2]}, 24;\n\t\t{sig[6]}, 40;\n\t}}\n"
                  f"\t{command}: {fid + 1}, BCM, 8 {{\n"
                  f"\t\t{sig[3]}, 0;\n\t\t{sig[4]}, 16;\n\t\t{sig[5]}, 32;\n\t\t{sig[7]}, 48;\n\t}}\n",
        "sporadic": f"\n\tN{k}_Sporadic: {command};",
        "event": f"\n\tN{k}_Event: 62, {status};",
        "attributes": f"\t{slave} {{\n\t\tLIN_protocol = \"2.0\";\n\t\tconfigured_NAD = {nad};\n"
                      f"\t\tproduct_id = 30, {k % 0xFFFE}, 1;\n\t\tresponse_error = {sig[0]};\n"
                      f"\t\tP2_min = 50 ms;\n\t\tST_min = 0 ms;\n\t\tconfigurable_frames {{\n"
                      f"\t\t\t{status} = {2 * k % 0xFFFE};\n\t\t\t{command} = {(2 * k + 1) % 0xFFFE};\n"
                      f"\t\t}}\n\n\t}}\n",
        "tables": f"\tN{k}_Table {{\n\t\t{status} delay 10 ms;\n\t\t{command} delay 20 ms;\n"
                  f"\t\tN{k}_Event delay 10 ms;\n\t\tN{k}_Sporadic delay 10 ms;\n"
                  f"\t\tMasterReq delay 10 ms;\n\t\tSlaveResp delay 10 ms;\n"
                  f"\t\tAssignFrameId {{ {slave}, {status} }} delay 10 ms;\n"
                  f"\t\tUnassignFrameId {{ {slave}, {status} }} delay 10 ms;\n"
                  f"\t\tAssignNAD {{ 127, {nad}, 30, 1 }} delay 10 ms;\n"
                  f"\t\tFreeFormat {{ 178, 0, 1, 2, 3, 4, 5, 6 }} delay 10 ms;\n\t}}\n",
        "encodings": f"\tN{k}_Encoding {{\n\t\tlogical_value, 0, \"off\";\n\t\tlogical_value, 1, \"on\";\n"
                     f"\t\tphysical_value, 2, 254, 0.50, -1.00, \"V\";\n\t\tbcd_value;\n\t}}\n",
        "representations": f"\tN{k}_Encoding: {sig[0]}, {sig[3]};\n",
    }


def document(parts):
    """The whole file from the pieces of every unit, section by section."""
    diag_signals = "".join(f"\n\t{frame}B{i} : 8, 0;" for frame in ("MasterReq", "SlaveResp") for i in range(8))
    diag_frames = "".join(
        f"\n\t{frame} : {fid} {{" + "".join(f"\n\t\t{frame}B{i}, {8 * i};" for i in range(8)) + "\n\t}"
        for frame, fid in (("MasterReq", 60), ("SlaveResp", 61)))
    return "".join([
        "/* \nGenerated network for benchmarks\n*/\n\n\n",
        "LIN_description_file;\nLIN_protocol_version = \"2.00\";\nLIN_language_version = \"2.00\";\n\n",
        "LIN_speed = 19.20 kbps;\n\n",
        "Nodes {\n\tMaster: BCM, 10 ms, 0.10 ms;\n\tSlaves: ", ", ".join(parts["slaves"]), ";\n}\n\n",
        "Signals {\n", *parts["signals"], "}\n\n",
        "Diagnostic_signals {", diag_signals, "\n}\n\n",
        "dynamic_frames {\n\t58,59\n}\n\n",
        "Frames {\n", *parts["frames"], "}\n\n",
        "Sporadic_frames {", *parts["sporadic"], "\n}\n\n",
        "Event_triggered_frames {", *parts["event"], "\n}\n\n",
        "Diagnostic_frames {", diag_frames, "\n}\n\n",
        "Node_attributes {\n", *parts["attributes"], "}\n\n",
        "Schedule_tables {\n", *parts["tables"], "}\n\n",
        "Signal_encoding_types {\n", *parts["encodings"], "}\n\n",
        "Signal_representations {\n", *parts["representations"], "}\n\n",
    ])


def build(units=None, size=None):
    """The file of that many units, or of as many as make about size bytes."""
    parts = {section: [] for section in SECTIONS}
    total = len(document(parts))
    k = 0
    while (units is not None and k < units) or (size is not None and (k == 0 or total < size)):
        pieces = unit(k)
        for section in SECTIONS:
            parts[section].append(pieces[section])
            total += len(pieces[section])
        total += 2  # the ", " between slave names
        k += 1
    return document(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    amount = parser.add_mutually_exclusive_group(required=True)
    amount.add_argument("--bytes", type=int, help="approximate size of the file in bytes")
    amount.add_argument("--units", type=int, help="number of units")
    parser.add_argument("-o", "--output", help="file to write (default: standard output)")
    args = parser.parse_args()

    text = build(units=args.units, size=args.bytes)
    if args.output:
        with open(args.output, "w", newline="\n") as out:
            out.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
