"""LIN Description Files read, checked, decoded and written by the Duvazadi core.

    import duvazadi
    network = duvazadi.load("body.ldf")
    for frame in network.frames:
        print(frame.name, frame.id, frame.length)
    print(network.frames["LSM_Frm1"].decode(b"\\x01\\x2a"))
    network.save("body21.ldf", dialect="2.1")

A network reads, repairs and checks as ``duvazadi-cli`` does, so messages,
check results, JSON and written text equal the tool's. Files that cannot be
read or written raise OSError; values and names that are refused raise
ValueError with the tool's reason. What a file's content lacks is reported in
``messages`` and ``check()``, never raised.
"""

import json

from . import _core

__all__ = ["load", "loads", "diff", "Network", "Message", "CheckItem", "Difference", "Record", "Frame",
           "NamedList", "DecodedFrame", "SignalValue"]

# The reader and the repair start the texts of their warnings so; every
# other message tells of something wrong in the file.
_WARNING_PREFIX = "Warning:"

# The kinds of meaning a decoded value has, in the order the core numbers them.
_VALUE_KINDS = ("raw", "logical", "physical", "bcd", "ascii", "out of range")


def load(path):
    """The network of the LDF file at path; OSError when it cannot be read."""
    return Network(_core.load(str(path)))


def loads(text, source=""):
    """The network of LDF text (str or bytes); source names it in to_json()."""
    if isinstance(text, str):
        text = text.encode("utf-8")
    return Network(_core.loads(text, source))


def diff(older, newer):
    """What differs by meaning from older to newer, in the tree's order, as ``duvazadi-cli diff``."""
    return [Difference(entry) for entry in json.loads(_core.diff(older._native, newer._native))]


class Message:
    """One message of the load: line (0 when it has none), text, and severity ("warning" or "error");
    str() as ``check`` prints it."""

    __slots__ = ("line", "text", "_printed")

    def __init__(self, line, text, printed):
        self.line = line
        self.text = text
        self._printed = printed

    @property
    def severity(self):
        return "warning" if self.text.startswith(_WARNING_PREFIX) else "error"

    def __str__(self):
        return self._printed

    def __repr__(self):
        return "Message(line=%d, text=%r)" % (self.line, self.text)

    def __eq__(self, other):
        return isinstance(other, Message) and (self.line, self.text) == (other.line, other.text)


class CheckItem:
    """An item the checks mark red: its path in the tree and its reasons."""

    __slots__ = ("path", "reasons", "_printed")

    def __init__(self, printed):
        path, _, reasons = printed.rpartition(": ")
        self.path = path
        self.reasons = reasons.split("; ") if reasons else []
        self._printed = printed

    def __str__(self):
        return self._printed

    def __repr__(self):
        return "CheckItem(%r, %r)" % (self.path, self.reasons)


class Difference:
    """One difference of diff(): path, field, item, change, old, new; str() as ``diff`` prints it."""

    def __init__(self, entry):
        self.path = entry["path"]
        self.field = entry["field"]
        self.item = entry["item"]
        self.change = entry["change"]
        self.old = entry["old"]
        self.new = entry["new"]
        self.text = entry["text"]

    def __str__(self):
        return self.text

    def __repr__(self):
        return "Difference(%r)" % self.text


def _wrapped(value, network):
    if isinstance(value, dict):
        return Record(value, network)
    if isinstance(value, list):
        return [_wrapped(item, network) for item in value]
    return value


class Record:
    """A record of the network: its members as attributes (as in to_dict()), and as items."""

    __slots__ = ("_content", "_network")

    def __init__(self, content, network):
        self._content = content
        self._network = network

    def __getattr__(self, name):
        try:
            return _wrapped(self._content[name], self._network)
        except KeyError:
            raise AttributeError(name) from None

    def __getitem__(self, name):
        return _wrapped(self._content[name], self._network)

    def __contains__(self, name):
        return name in self._content

    def __dir__(self):
        return list(self._content)

    def __eq__(self, other):
        return isinstance(other, Record) and self._content == other._content

    def keys(self):
        return self._content.keys()

    def to_dict(self):
        return json.loads(json.dumps(self._content))

    def __repr__(self):
        name = self._content.get("name")
        return "%s(%r)" % (type(self).__name__, name) if name is not None else "Record(%r)" % self._content


class Frame(Record):
    """A frame (unconditional or event-triggered): decode and encode its bytes."""

    __slots__ = ()

    @property
    def signal_offsets(self):
        """The frame's signals by name, each with its offset in bits."""
        return {placed["signal"]: placed["offset"] for placed in self._content.get("signals", [])}

    def decode(self, data):
        """The values data carries (bytes, bytearray, ints, or hex text); ValueError when they do not fit."""
        return self._network.decode(self._content["name"], data)

    def encode(self, values=None, **more):
        """The frame's bytes with the values given, the initial value elsewhere; ValueError on a refused value."""
        return self._network.encode(self._content["name"], values, **more)


class NamedList(list):
    """Records in the file's order; an item is also found by its name (``frames["F1"]``)."""

    def __init__(self, records):
        super().__init__(records)
        self._by_name = {}
        for record in records:
            self._by_name.setdefault(record._content.get("name"), record)

    def __getitem__(self, key):
        if isinstance(key, str):
            return self._by_name[key]
        return super().__getitem__(key)

    def __contains__(self, key):
        if isinstance(key, str):
            return key in self._by_name
        return super().__contains__(key)

    def get(self, name, default=None):
        return self._by_name.get(name, default)

    def names(self):
        return [record._content.get("name") for record in self]


class FrameList(NamedList):
    """Frames by name, and with by_id() by id."""

    def __init__(self, records):
        super().__init__(records)
        self._by_id = {}
        for record in records:
            self._by_id.setdefault(record._content.get("id"), record)

    def by_id(self, frame_id, default=None):
        return self._by_id.get(frame_id, default)


class SignalValue:
    """One signal of a decoded frame. raw is an int (bytes for a byte array); value is the physical
    value, the logical text, the bcd digits or the ascii text, or None; str() as ``decode`` prints it."""

    __slots__ = ("signal", "raw", "kind", "value", "unit", "text", "problem", "_raw_text")

    def __init__(self, reading):
        self.signal = reading["signal"]
        self.problem = reading["problem"] or None
        raw = reading["raw"]
        if reading["is_byte_array"]:
            raw = raw.to_bytes(max(reading["size"] // 8, 1), "little")
        self.raw = None if self.problem else raw
        self.kind = _VALUE_KINDS[reading["kind"]] if not self.problem else None
        self.unit = reading["unit"] if self.kind == "physical" else ""
        self.text = reading["meaning"]
        if self.kind == "physical":
            self.value = reading["physical"]
        elif self.kind in ("logical", "bcd", "ascii"):
            self.value = reading["text"]
        else:
            self.value = None
        self._raw_text = reading["raw_text"]

    def __str__(self):
        if self.problem:
            return "%s: %s" % (self.signal, self.problem)
        line = "%s: %s" % (self.signal, self._raw_text)
        return line + " " + self.text if self.text else line

    def __repr__(self):
        return "SignalValue(%r)" % str(self)


class DecodedFrame(dict):
    """The signals of decoded bytes by name, in the frame's order; frame and id name the frame."""

    def __init__(self, frame, frame_id, signals):
        super().__init__((value.signal, value) for value in signals)
        self.frame = frame
        self.id = frame_id

    def __str__(self):
        return "\n".join(str(value) for value in self.values())


def _bytes_of(data):
    if isinstance(data, str):
        return bytes.fromhex(data)
    return bytes(data)


def _value_text(value):
    """A value as the command line takes it: texts as written, numbers in decimal, bytes in hex."""
    if isinstance(value, (bytes, bytearray, list, tuple)):
        return " ".join("%02X" % byte for byte in bytes(value))
    if isinstance(value, bool):
        return str(int(value))
    return str(value)


class Network:
    """A loaded network: its messages and checks, read access to everything, decoding, and writing."""

    def __init__(self, native):
        self._native = native
        self._document = None
        self._views = {}

    # The document export --json prints; read access goes through it.
    def _content(self):
        if self._document is None:
            self._document = json.loads(self._native.json_text())
        return self._document

    def _view(self, key, make):
        if key not in self._views:
            self._views[key] = make(self._content()[key])
        return self._views[key]

    def _records(self, key, kind=Record):
        return self._view(key, lambda records: NamedList([kind(record, self) for record in records]))

    def _changed(self):
        self._document = None
        self._views = {}

    @property
    def source(self):
        """The path loaded, or the source given to loads()."""
        return self._native.source

    @property
    def messages(self):
        """The load's messages in order."""
        return [Message(*entry) for entry in self._native.messages()]

    def check(self):
        """The items the checks mark red, in the tree's order."""
        return [CheckItem(line) for line in self._native.red_item_lines()]

    def report(self):
        """The lines ``duvazadi-cli check`` prints: the messages, then the red items."""
        return self._native.check_lines()

    def to_json(self):
        """The document ``duvazadi-cli export --json`` prints."""
        return self._native.json_text()

    def to_dict(self):
        return json.loads(self._native.json_text())

    @property
    def header(self):
        """Protocol and language version, speed, channel, byte order, ..."""
        return self._view("network", lambda content: Record(content, self))

    @property
    def master(self):
        return self._view("master", lambda content: Record(content, self))

    @property
    def slaves(self):
        """The slaves with their attributes."""
        return self._records("nodes")

    @property
    def signals(self):
        return self._records("signals")

    @property
    def frames(self):
        """The unconditional frames; by name, and with by_id() by id."""
        return self._view("frames", lambda records: FrameList([Frame(record, self) for record in records]))

    @property
    def event_triggered_frames(self):
        return self._view("event_triggered_frames",
                          lambda records: FrameList([Frame(record, self) for record in records]))

    @property
    def sporadic_frames(self):
        return self._records("sporadic_frames")

    @property
    def dynamic_frames(self):
        """The ids of the dynamic frames."""
        return list(self._content()["dynamic_frames"]["ids"])

    @property
    def master_request(self):
        return self._view("master_request", lambda content: Record(content, self))

    @property
    def slave_response(self):
        return self._view("slave_response", lambda content: Record(content, self))

    @property
    def encoding_types(self):
        return self._records("encoding_types")

    @property
    def representations(self):
        return self._records("representations")

    @property
    def schedule_tables(self):
        return self._records("schedule_tables")

    @property
    def composition(self):
        return self._records("composition")

    @property
    def signal_groups(self):
        return self._records("signal_groups")

    @property
    def diagnostic_signals(self):
        return self._records("diagnostic_signals")

    def frame(self, key):
        """A frame of any kind by name, or an unconditional or event-triggered frame by id; None when absent."""
        if isinstance(key, int):
            return self.frames.by_id(key) or self.event_triggered_frames.by_id(key)
        for frames in (self.frames, self.event_triggered_frames, self.sporadic_frames):
            if key in frames:
                return frames[key]
        return None

    def decode(self, frame, data):
        """The values data carries in frame (a name, MasterReq, SlaveResp, or an id)."""
        name, frame_id, readings = self._native.decode(self._frame_key(frame), _bytes_of(data))
        return DecodedFrame(name, frame_id, [SignalValue(reading) for reading in readings])

    def encode(self, frame, values=None, **more):
        """The bytes of frame with the values given (a dict, or keywords): logical texts, physical values
        (with or without unit), bcd digits, ascii text in quotes, raw hex ("0x1F"), bytes for a byte array."""
        settings = dict(values or {})
        settings.update(more)
        return self._native.encode(self._frame_key(frame),
                                   [(signal, _value_text(value)) for signal, value in settings.items()])

    def _frame_key(self, frame):
        key = str(frame)
        if not self._native.has_frame(key):
            raise KeyError("no frame %s in %s" % (key, self.source or "the network"))
        return key

    def rename(self, kind, old, new):
        """Renames old, of kind (node, signal, frame, event-triggered-frame, sporadic-frame, schedule-table,
        encoding-type, configuration), to new with every mention; ValueError when refused."""
        self._native.rename(kind, old, new)
        self._changed()

    def to_ldf(self, dialect=None, keep_layout=True):
        """The LDF text: in the file's own layout with only what changed rewritten, or the standard layout
        (keep_layout=False); converted to dialect (2.0, 2.1, 2.2, iso17987, j2602) when given."""
        text, _ = self._native.ldf_text(dialect, keep_layout)
        return text

    def conversion_losses(self, dialect):
        """What a conversion to dialect loses, one text per record."""
        _, losses = self._native.ldf_text(dialect, False)
        return losses

    def save(self, path, dialect=None, keep_layout=True, force=False):
        """Saves as the editor does, through a temporary file beside path. A conversion that loses records
        raises ValueError and writes nothing unless force is true; OSError when path cannot be written."""
        self._native.save(str(path), dialect, keep_layout, force)

    def __repr__(self):
        return "Network(%r)" % self.source
