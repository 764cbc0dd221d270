"""What the module's tests share: the files they read and duvazadi-cli to compare with."""

import os
import pathlib
import subprocess

import pytest

SOURCE = pathlib.Path(os.environ.get("DUVAZADI_SOURCE", pathlib.Path(__file__).resolve().parents[2]))
CLI = os.environ.get("DUVAZADI_CLI", str(SOURCE / "build" / "bin" / "duvazadi-cli"))
CORPUS = pathlib.Path(os.environ.get("DUVAZADI_CORPUS", SOURCE.parent / "shared" / "corpus"))
EXAMPLE = str(SOURCE / "examples" / "body-control.ldf")
VALUES = str(SOURCE / "tests" / "data" / "values" / "signal-values.ldf")
# A file the load and the checks report on.
CHECKED = str(SOURCE / "tests" / "data" / "cli-check.ldf")
# A LIN 2.2 file with event-triggered frames, representations and commands in its schedule tables.
RICH = str(CORPUS / "ldfparser" / "lin22.ldf")


def corpus_files():
    return sorted(str(path) for path in CORPUS.rglob("*.ldf"))


def run_cli(*arguments):
    """duvazadi-cli's exit status, standard output and standard error (as bytes)."""
    done = subprocess.run([CLI, *arguments], capture_output=True)
    return done.returncode, done.stdout, done.stderr


def cli_lines(*arguments):
    return run_cli(*arguments)[1].decode("latin-1").splitlines()


@pytest.fixture(params=[EXAMPLE, RICH], ids=["example", "corpus"])
def ldf_file(request):
    if not os.path.exists(request.param):
        pytest.skip("no such file: " + request.param)
    return request.param


@pytest.fixture
def rich_file():
    if not os.path.exists(RICH):
        pytest.skip("no such file: " + RICH)
    return RICH
