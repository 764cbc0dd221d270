"""to_json() is the document of duvazadi-cli export --json, for the example and every corpus file."""

import json

import pytest

import duvazadi
from conftest import EXAMPLE, corpus_files, run_cli


@pytest.mark.parametrize("path", [EXAMPLE] + corpus_files())
def test_to_json_is_the_export(path):
    status, exported, _ = run_cli("export", "--json", path)
    assert status == 0
    network = duvazadi.load(path)
    assert network.to_json() == exported.decode("utf-8")
    assert network.to_dict() == json.loads(exported)
