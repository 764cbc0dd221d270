#!/usr/bin/env python3
"""Writes a valid LIN 2.0 description file in the writer's layout.

    gen_ldf.py --bytes N [-o FILE]     scale mode: every list grows until the
                                       text is about N bytes long
    gen_ldf.py --units K [-o FILE]     K repetitions of one unit of the network

One unit is a slave with its attributes and configurable frames, eight
signals (scalars and a byte array), two unconditional frames, an
event-triggered and a sporadic frame, a schedule table with a frame slot of
every kind and every command, an encoding type with logical and physical
values and its representation. In scale mode frame identifiers repeat
beyond LIN's 64 ids; everything else is consistent.
"""

import argparse
import sys


def unit_parts(k):
    slave = f"Node{k}"
    sig = [f"N{k}_Sig{i}" for i in range(8)]
    frames = [f"N{k}_Status", f"N{k}_Command"]
    return slave, sig, frames


def build(units):
    slaves, signals, frames, sporadic, etf = [], [], [], [], []
    attributes, tables, encodings, representations = [], [], [], []
    for k in range(units):
        slave, sig, (status, command) = unit_parts(k)
        slaves.append(slave)
        for i in range(6):
            publisher = slave if i < 3 else "BCM"
            subscriber = "BCM" if i < 3 else slave
            signals.append(f"\t{sig[i]}: {1 + (i * 3) % 16}, {i}, {publisher}, {subscriber};\n")
        signals.append(f"\t{sig[6]}: 16, {{ 1, 2 }}, {slave}, BCM;\n")
        signals.append(f"\t{sig[7]}: 8, 255, BCM, {slave};\n")
        fid = (2 * k) % 60
        frames.append(
            f"\t{status}: {fid}, {slave}, 8 {{\n"
            f"\t\t{sig[0]}, 0;\n\t\t{sig[1]}, 8;\n\t\t{sig[2]}, 24;\n\t\t{sig[6]}, 40;\n\t}}\n")
        frames.append(
            f"\t{command}: {fid + 1}, BCM, 8 {{\n"
            f"\t\t{sig[3]}, 0;\n\t\t{sig[4]}, 16;\n\t\t{sig[5]}, 32;\n\t\t{sig[7]}, 48;\n\t}}\n")
        sporadic.append(f"\n\tN{k}_Sporadic: {command};")
        etf.append(f"\n\tN{k}_Event: 62, {status};")
        attributes.append(
            f"\t{slave} {{\n\t\tLIN_protocol = \"2.0\";\n\t\tconfigured_NAD = {1 + k % 127};\n"
            f"\t\tproduct_id = 30, {k % 0xFFFE}, 1;\n\t\tresponse_error = {sig[0]};\n"
            f"\t\tP2_min = 50 ms;\n\t\tST_min = 0 ms;\n"
            f"\t\tconfigurable_frames {{\n\t\t\t{status} = {2 * k % 0xFFFE};\n\t\t\t{command} = {(2 * k + 1) % 0xFFFE};\n\t\t}}\n\n\t}}\n")
        tables.append(
            f"\tN{k}_Table {{\n\t\t{status} delay 10 ms;\n\t\t{command} delay 20 ms;\n"
            f"\t\tN{k}_Event delay 10 ms;\n\t\tN{k}_Sporadic delay 10 ms;\n"
            f"\t\tMasterReq delay 10 ms;\n\t\tSlaveResp delay 10 ms;\n"
            f"\t\tAssignFrameId {{ {slave}, {status} }} delay 10 ms;\n"
            f"\t\tUnassignFrameId {{ {slave}, {status} }} delay 10 ms;\n"
            f"\t\tAssignNAD {{ 127, {1 + k % 127}, 30, 1 }} delay 10 ms;\n"
            f"\t\tFreeFormat {{ 178, 0, 1, 2, 3, 4, 5, 6 }} delay 10 ms;\n\t}}\n")
        encodings.append(
            f"\tN{k}_Encoding {{\n\t\tlogical_value, 0, \"off\";\n\t\tlogical_value, 1, \"on\";\n"
            f"\t\tphysical_value, 2, 254, 0.50, -1.00, \"V\";\n\t\tbcd_value;\n\t}}\n")
        representations.append(f"\tN{k}_Encoding: {sig[0]}, {sig[3]};\n")

    diag_signals = "".join(f"\n\tMasterReqB{i} : 8, 0;" for i in range(8)) + \
        "".join(f"\n\tSlaveRespB{i} : 8, 0;" for i in range(8))
    diag_frames = "\n\tMasterReq : 60 {" + "".join(f"\n\t\tMasterReqB{i}, {8 * i};" for i in range(8)) + \
        "\n\t}\n\tSlaveResp : 61 {" + "".join(f"\n\t\tSlaveRespB{i}, {8 * i};" for i in range(8)) + "\n\t}"
    return "".join([
        "/* \nGenerated network for benchmarks\n*/\n\n\n",
        "LIN_description_file;\nLIN_protocol_version = \"2.00\";\nLIN_language_version = \"2.00\";\n\n",
        "LIN_speed = 19.20 kbps;\n\n",
        "Nodes {\n\tMaster: BCM, 10 ms, 0.10 ms;\n\tSlaves: ", ", ".join(slaves), ";\n}\n\n",
        "Signals {\n", *signals, "}\n\n",
        "Diagnostic_signals {", diag_signals, "\n}\n\n",
        "dynamic_frames {\n\t58,59\n}\n\n",
        "Frames {\n", *frames, "}\n\n",
        "Sporadic_frames {", *sporadic, "\n}\n\n",
        "Event_triggered_frames {", *etf, "\n}\n\n",
        "Diagnostic_frames {", diag_frames, "\n}\n\n",
        "Node_attributes {\n", *attributes, "}\n\n",
        "Schedule_tables {\n", *tables, "}\n\n",
        "Signal_encoding_types {\n", *encodings, "}\n\n",
        "Signal_representations {\n", *representations, "}\n\n",
    ])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    size = parser.add_mutually_exclusive_group(required=True)
    size.add_argument("--bytes", type=int, help="approximate size of the file in bytes")
    size.add_argument("--units", type=int, help="number of network units")
    parser.add_argument("-o", "--output", help="file to write (default: standard output)")
    args = parser.parse_args()

    units = args.units
    if units is None:
        per_unit = len(build(2)) - len(build(1))
        units = max(1, args.bytes // per_unit)
    text = build(units)
    if args.output:
        with open(args.output, "w", newline="\n") as out:
            out.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
