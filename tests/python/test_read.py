"""Read access: every section of the network, with lookups by name and frames by id."""

import duvazadi
from conftest import EXAMPLE


def test_example_header_nodes_signals_and_frames():
    network = duvazadi.load(EXAMPLE)
    assert (network.header.protocol_version, network.header.speed_kbps) == (2.0, 19.2)
    assert network.master.name == "BCM"
    assert network.slaves.names() == ["DoorDrv", "DoorPsg", "RLS"]
    frame = network.frames["BCM_DoorCmd"]
    assert frame.id == 16
    assert network.frames.by_id(16) is frame
    assert network.frame(16) is frame and network.frame("BCM_DoorCmd") is frame
    assert frame.signal_offsets == {"BCM_LockCmd": 0, "BCM_MirrorFold": 2, "BCM_WindowCmdDrv": 3,
                                    "BCM_WindowCmdPsg": 6}
    assert [placed.signal for placed in frame.signals] == list(frame.signal_offsets)
    lock = network.signals["BCM_LockCmd"]
    assert lock.publisher == "BCM" and lock.size == network.to_dict()["signals"][0]["size"]
    assert "Nope" not in network.signals and network.frame("Nope") is None


def test_corpus_sections_match_the_exported_document(rich_file):
    network = duvazadi.load(rich_file)
    document = network.to_dict()
    event = network.event_triggered_frames["Node_Status_Event"]
    assert (event.id, event.collision_table, event.frames) == (6, "Collision_resolver", ["RSM_Frm1", "LSM_Frm1"])
    assert network.frame(6) is event
    assert network.representations["LightEncoding"].signals == ["RightIntLightsSwitch", "LeftIntLightsSwitch"]
    encodings = network.encoding_types
    assert [record.to_dict() for record in encodings] == document["encoding_types"]
    assert [value.to_dict() for value in encodings[0].logical_values] == document["encoding_types"][0]["logical_values"]
    tables = network.schedule_tables
    assert tables.names() == [table["name"] for table in document["schedule_tables"]]
    entry = tables["Configuration_Schedule"].entries[0]
    assert (entry.command, entry.delay_ms) == ("AssignNAD", 15)
    assert network.dynamic_frames == document["dynamic_frames"]["ids"]
    for section in ("nodes", "signals", "frames", "sporadic_frames", "composition", "signal_groups",
                    "diagnostic_signals"):
        assert [record.to_dict() for record in getattr(network, section if section != "nodes" else "slaves")] \
            == document[section], section
    assert network.master_request.to_dict() == document["master_request"]
    assert network.slaves[0].configured_nad == document["nodes"][0]["configured_nad"]
