"""Decoding and encoding frames: the values, texts and refusals of duvazadi-cli decode and encode."""

import json

import pytest

import duvazadi
from conftest import EXAMPLE, VALUES, run_cli


def test_decoded_values_are_those_decode_prints():
    network = duvazadi.load(VALUES)
    decoded = network.frames["F1"].decode(bytes.fromhex("AFBCFE64"))
    _, printed, _ = run_cli("decode", VALUES, "F1", "AF BC FE 64")
    assert str(decoded) + "\n" == printed.decode("utf-8")
    _, exported, _ = run_cli("decode", "--json", VALUES, "F1", "AFBCFE64")
    document = json.loads(exported)
    assert (decoded.frame, decoded.id) == (document["frame"], document["id"])
    for signal in document["signals"]:
        value = decoded[signal["signal"]]
        assert (value.kind, value.text) == (signal["kind"], signal["text"])
        if signal["kind"] == "physical":
            assert (value.value, value.unit) == (signal["physical"], signal["unit"])
    assert decoded["Mode"].value == "auto"
    assert decoded["Temp"].value == 10 and decoded["Temp"].unit == "degC"


def test_data_may_be_bytes_ints_or_hex_and_frames_ids():
    network = duvazadi.load(VALUES)
    frame_id = network.frames["F1"].id
    expected = str(network.decode("F1", b"\xaf\xbc\xfe\x64"))
    assert str(network.decode(frame_id, [0xAF, 0xBC, 0xFE, 0x64])) == expected
    assert str(network.decode(hex(frame_id), "AF BC FE 64")) == expected


def test_encoded_bytes_are_those_encode_prints():
    network = duvazadi.load(VALUES)
    frame = network.frames["F1"]
    _, printed, _ = run_cli("encode", VALUES, "F1", "Mode=auto", "Temp=10 degC")
    assert frame.encode(Mode="auto", Temp="10 degC").hex(" ").upper() == printed.decode().strip()
    assert frame.encode({"Mode": "auto"}, Temp=10) == frame.encode(Mode="auto", Temp="10")
    assert frame.decode(frame.encode(Cross="0x795"))["Cross"].raw == 0x795


def test_refusals_raise_valueerror_with_the_reason_encode_gives():
    network = duvazadi.load(VALUES)
    _, _, reason = run_cli("encode", VALUES, "F1", "Mode=bogus")
    with pytest.raises(ValueError) as refused:
        network.frames["F1"].encode(Mode="bogus")
    assert "duvazadi-cli: " + str(refused.value) + "\n" == reason.decode()
    _, _, reason = run_cli("decode", VALUES, "F1", "AF BC FE")
    with pytest.raises(ValueError) as refused:
        network.frames["F1"].decode(b"\xaf\xbc\xfe")
    assert "duvazadi-cli: " + str(refused.value) + "\n" == reason.decode()
    with pytest.raises(KeyError):
        network.decode("NoSuchFrame", b"\x00")


def test_every_example_frame_comes_back_from_its_own_bytes():
    network = duvazadi.load(EXAMPLE)
    for frame in network.frames:
        data = frame.encode()
        values = frame.decode(data)
        # Raw values are given in hex, as on the command line (decimals are physical values).
        assert frame.encode({name: hex(value.raw) for name, value in values.items()
                             if not isinstance(value.raw, bytes)}) == data, frame.name
