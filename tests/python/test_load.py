"""Loading: files and texts, the load's messages and the red items, as duvazadi-cli check gives them."""

import pytest

import duvazadi
from conftest import CHECKED, EXAMPLE, cli_lines


def test_messages_and_red_items_are_the_lines_check_prints(ldf_file):
    network = duvazadi.load(ldf_file)
    lines = [str(message) for message in network.messages] + [str(item) for item in network.check()]
    assert lines == cli_lines("check", ldf_file)
    assert network.report() == lines


def test_messages_have_lines_texts_and_severities():
    network = duvazadi.load(CHECKED)
    first, second = network.messages[:2]
    assert (first.line, first.text, first.severity) == (14, "Count of parameters incorrect", "error")
    assert str(first) == "Z: 14 Count of parameters incorrect"
    assert (second.line, second.severity) == (0, "warning")
    items = network.check()
    assert (items[1].path, items[1].reasons) == ("Signals / S3", ["No subscriber"])
    assert not duvazadi.load(EXAMPLE).messages


def test_text_loads_as_the_file_does():
    with open(EXAMPLE, "rb") as source:
        text = source.read()
    from_text = duvazadi.loads(text, source=EXAMPLE)
    from_file = duvazadi.load(EXAMPLE)
    assert from_text.messages == from_file.messages
    assert from_text.to_json() == from_file.to_json()
    assert duvazadi.loads(text.decode("latin-1")).frames.names() == from_file.frames.names()


def test_files_that_cannot_be_read_raise_oserror(tmp_path):
    with pytest.raises(OSError, match="missing.ldf"):
        duvazadi.load(tmp_path / "missing.ldf")
    with pytest.raises(OSError):
        duvazadi.load(tmp_path)


def test_content_errors_are_messages_never_exceptions():
    network = duvazadi.loads("LIN_description_file; Nodes { Master: M, 5 ms; ")
    assert network.messages
    assert isinstance(network.check(), list)


def test_text_larger_than_a_file_may_be_is_refused():
    with pytest.raises(ValueError, match="larger than 64 MB"):
        duvazadi.loads(b" " * (64 * 1024 * 1024 + 1))
