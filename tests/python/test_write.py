"""Writing: the texts of duvazadi-cli format and rename, saving, and diff."""

import json

import pytest

import duvazadi
from conftest import EXAMPLE, cli_lines, run_cli


def test_unedited_text_comes_back_byte_for_byte(ldf_file):
    network = duvazadi.load(ldf_file)
    with open(ldf_file, "rb") as source:
        assert network.to_ldf().encode("latin-1") == source.read() or \
            network.to_ldf().encode("utf-8") == open(ldf_file, "rb").read()
    assert network.to_ldf(keep_layout=False) == run_cli("format", ldf_file)[1].decode("latin-1")


def test_dialect_texts_are_those_format_writes(ldf_file):
    network = duvazadi.load(ldf_file)
    _, converted, _ = run_cli("format", "--dialect", "2.1", "--force", "--keep-layout", ldf_file)
    assert network.to_ldf(dialect="2.1") == converted.decode("latin-1")
    _, standard, _ = run_cli("format", "--dialect", "2.1", "--force", ldf_file)
    assert network.to_ldf(dialect="2.1", keep_layout=False) == standard.decode("latin-1")
    with pytest.raises(ValueError, match="unknown dialect"):
        network.to_ldf(dialect="9.9")


def test_rename_writes_what_rename_writes(ldf_file):
    network = duvazadi.load(ldf_file)
    old = network.frames[0].name
    network.rename("frame", old, "Renamed_Frame")
    _, renamed, _ = run_cli("rename", ldf_file, "frame", old, "Renamed_Frame")
    assert network.to_ldf() == renamed.decode("latin-1")
    assert "Renamed_Frame" in network.frames and old not in network.frames
    with pytest.raises(ValueError, match="is not a name"):
        network.rename("frame", "Renamed_Frame", "not a name")
    with pytest.raises(ValueError, match="unknown KIND"):
        network.rename("colour", "Renamed_Frame", "Other")
    with pytest.raises(ValueError):
        network.rename("frame", "NoSuchFrame", "Other")


def test_save_writes_as_format_o(tmp_path):
    network = duvazadi.load(EXAMPLE)
    network.save(tmp_path / "kept.ldf")
    assert (tmp_path / "kept.ldf").read_bytes() == open(EXAMPLE, "rb").read()
    network.save(tmp_path / "standard.ldf", dialect="2.1", keep_layout=False)
    run_cli("format", "--dialect", "2.1", EXAMPLE, "-o", str(tmp_path / "cli.ldf"))
    assert (tmp_path / "standard.ldf").read_bytes() == (tmp_path / "cli.ldf").read_bytes()
    assert duvazadi.load(tmp_path / "standard.ldf").header.protocol_version == 2.1
    with pytest.raises(OSError):
        network.save(tmp_path)


def test_save_refuses_a_conversion_that_loses_records_unless_forced(tmp_path, rich_file):
    network = duvazadi.load(rich_file)
    for dialect in ("2.0", "2.1", "2.2", "iso17987", "j2602"):
        if network.conversion_losses(dialect):
            break
    else:
        pytest.skip("no conversion of the file loses records")
    with pytest.raises(ValueError, match="nothing written"):
        network.save(tmp_path / "lossy.ldf", dialect=dialect)
    assert not (tmp_path / "lossy.ldf").exists()
    network.save(tmp_path / "lossy.ldf", dialect=dialect, force=True)
    assert (tmp_path / "lossy.ldf").exists()


def test_diff_is_what_diff_reports(tmp_path):
    older = duvazadi.load(EXAMPLE)
    newer = duvazadi.load(EXAMPLE)
    assert duvazadi.diff(older, newer) == []
    newer.rename("signal", "BCM_LockCmd", "LockRequest")
    newer.save(tmp_path / "newer.ldf")
    differences = duvazadi.diff(older, newer)
    assert [str(difference) for difference in differences] == cli_lines("diff", EXAMPLE, str(tmp_path / "newer.ldf"))
    _, exported, _ = run_cli("diff", "--json", EXAMPLE, str(tmp_path / "newer.ldf"))
    assert [(d.path, d.field, d.change, d.old, d.new) for d in differences] == \
        [(d["path"], d["field"], d["change"], d["old"], d["new"]) for d in json.loads(exported)]
