#include "compare/NetworkFields.h"

#include "ldf/ScheduleCommands.h"
#include "model/LinVersion.h"
#include "model/StandardDiagnostics.h"
#include "model/UnreadPlaces.h"
#include "validation/TreeOutline.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

template <typename Record> struct FieldSpec {
    const char* name;
    const char* label;
    FieldValue (*get)(const Record&);
};

template <typename Record> using FieldSpecs = std::vector<FieldSpec<Record>>;

template <typename Record> FieldValue Describe(const Record& record, const FieldSpecs<Record>& specs)
{
    FieldValue value;
    value.type = FieldValue::Type::Record;
    value.fields.reserve(specs.size());
    for (const FieldSpec<Record>& spec : specs)
        value.fields.push_back({spec.name, spec.label, spec.get(record)});
    return value;
}

template <typename Record> const Record& Deref(const Record& record) { return record; }
template <typename Record> const Record& Deref(const std::unique_ptr<Record>& record) { return *record; }

template <typename List, typename Record>
std::vector<FieldValue> DescribeEach(const List& list, const FieldSpecs<Record>& specs)
{
    std::vector<FieldValue> records;
    records.reserve(list.size());
    for (const auto& record : list)
        records.push_back(Describe<Record>(Deref(record), specs));
    return records;
}

FieldValue List(std::vector<FieldValue> items)
{
    FieldValue value;
    value.type = FieldValue::Type::List;
    value.items = std::move(items);
    return value;
}

template <typename Number> FieldValue Numbers(const std::vector<Number>& numbers)
{
    std::vector<FieldValue> items;
    items.reserve(numbers.size());
    for (const Number number : numbers)
        items.push_back(FieldValue::Integer(static_cast<long long>(number)));
    return List(std::move(items));
}

// -1 marks a number the file did not give.
FieldValue Given(int value) { return value < 0 ? FieldValue() : FieldValue::Integer(value); }
FieldValue Given(float value) { return value < 0.0f ? FieldValue() : FieldValue::Real(value); }
FieldValue Given(double value) { return value < 0.0 ? FieldValue() : FieldValue::Real(value); }
FieldValue GivenText(const std::string& text) { return text.empty() ? FieldValue() : FieldValue::Text(text); }
FieldValue GivenText(const std::optional<std::string>& text) { return text ? FieldValue::Text(*text) : FieldValue(); }

// A version named by its standard; a LIN number says all in the version field.
FieldValue VersionName(const std::string& text)
{
    return lin::IsNamedVersion(text) ? FieldValue::Text(text) : FieldValue();
}

FieldValue ByteOrder(SignalByteOrder order)
{
    switch (order) {
    case SignalByteOrder::BigEndian:
        return FieldValue::Text("big_endian");
    case SignalByteOrder::LittleEndian:
        return FieldValue::Text("little_endian");
    case SignalByteOrder::NotGiven:
        break;
    }
    return FieldValue();
}

struct SignalAt {
    const std::string& name;
    std::uint32_t offset;
};

const FieldSpecs<SignalAt> kSignalAtFields = {
    {"signal", "signal", [](const SignalAt& r) { return FieldValue::Text(r.name); }},
    {"offset", "offset", [](const SignalAt& r) { return FieldValue::Integer(r.offset); }},
};

// Signals with their offsets, as frames and signal groups hold them.
FieldValue SignalsAt(const NameList& names, const std::vector<std::uint32_t>& offsets)
{
    std::vector<FieldValue> records;
    records.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        records.push_back(Describe(SignalAt{names[i], i < offsets.size() ? offsets[i] : 0u}, kSignalAtFields));
    return FieldValue::KeyedList(std::move(records));
}

struct Header {
    const NetworkContent& network;
};

const FieldSpecs<Header> kHeaderFields = {
    {"protocol_version", "protocol version", [](const Header& r) { return Given(r.network.protocolVersion); }},
    {"language_version", "language version", [](const Header& r) { return Given(r.network.languageVersion); }},
    {"speed_kbps", "speed", [](const Header& r) { return Given(r.network.speedKbps); }},
    {"protocol_version_name", "protocol version name",
     [](const Header& r) { return VersionName(r.network.protocolVersionText); }},
    {"language_version_name", "language version name",
     [](const Header& r) { return VersionName(r.network.languageVersionText); }},
    {"channel_name", "channel name", [](const Header& r) { return GivenText(r.network.channelName); }},
    {"file_revision", "file revision", [](const Header& r) { return GivenText(r.network.fileRevision); }},
    {"byte_order", "byte order", [](const Header& r) { return ByteOrder(r.network.byteOrder); }},
    {"commander_words", "Commander/Responder words",
     [](const Header& r) { return FieldValue::Flag(r.network.commanderWords); }},
    {"unknown_statements", "unknown statement",
     [](const Header& r) {
         std::vector<std::string> texts;
         for (const KeptStatement& statement : r.network.keptStatements)
             texts.push_back(statement.text);
         return FieldValue::Texts(texts);
     }},
    {"unread_statements", "statement not read",
     [](const Header& r) {
         std::vector<std::string> texts;
         for (const PlacedUnreadStatement& placed : PlacedUnreadStatements(r.network))
             texts.push_back(placed.place + ": " + placed.statement.text);
         return FieldValue::Texts(texts);
     }},
};

const FieldSpecs<Header> kMasterFields = {
    {"name", "name", [](const Header& r) { return FieldValue::Text(r.network.masterName); }},
    {"time_base_ms", "time base", [](const Header& r) { return Given(r.network.timeBaseMs); }},
    {"jitter_ms", "jitter", [](const Header& r) { return Given(r.network.jitterMs); }},
    {"max_header_bits", "header length", [](const Header& r) { return Given(r.network.maxHeaderBits); }},
    {"tolerance_percent", "tolerance", [](const Header& r) { return Given(r.network.masterTolerancePercent); }},
};

const FieldSpecs<ConfigurableFrame> kConfigurableFrameFields = {
    {"frame", "frame", [](const ConfigurableFrame& r) { return FieldValue::Text(r.frameName); }},
    {"message_id", "message id",
     [](const ConfigurableFrame& r) { return r.hasMessageId ? FieldValue::Integer(r.messageId) : FieldValue(); }},
};

// A slave with its attributes and its diagnostic address.
struct Slave {
    const LinNode& node;
    const NodeAttributes& attributes;
    int diagnosticAddress;
};

const FieldSpecs<Slave> kSlaveFields = {
    {"name", "name", [](const Slave& r) { return FieldValue::Text(r.node.name); }},
    {"protocol", "protocol", [](const Slave& r) { return FieldValue::Text(r.attributes.ProtocolAsWritten()); }},
    {"configured_nad", "configured NAD",
     [](const Slave& r) { return FieldValue::Integer(r.attributes.configuredNad); }},
    {"supplier_id", "supplier id", [](const Slave& r) { return FieldValue::Integer(r.attributes.supplierId); }},
    {"function_id", "function id", [](const Slave& r) { return FieldValue::Integer(r.attributes.functionId); }},
    {"variant", "variant", [](const Slave& r) { return FieldValue::Integer(r.attributes.variant); }},
    {"response_error", "response error",
     [](const Slave& r) { return GivenText(r.attributes.responseErrorSignal.str()); }},
    {"p2_min_ms", "P2 min", [](const Slave& r) { return FieldValue::Real(r.attributes.p2MinMs); }},
    {"st_min_ms", "ST min", [](const Slave& r) { return FieldValue::Real(r.attributes.stMinMs); }},
    {"initial_nad", "initial NAD", [](const Slave& r) { return Given(r.attributes.initialNad); }},
    {"fault_state_signals", "fault state signal",
     [](const Slave& r) { return FieldValue::Texts(TextsOf(r.attributes.faultStateSignals)); }},
    {"n_as_timeout_ms", "N_As timeout", [](const Slave& r) { return Given(r.attributes.nAsTimeoutMs); }},
    {"n_cr_timeout_ms", "N_Cr timeout", [](const Slave& r) { return Given(r.attributes.nCrTimeoutMs); }},
    {"response_tolerance_percent", "response tolerance",
     [](const Slave& r) { return Given(r.attributes.responseTolerancePercent); }},
    {"wakeup_time_ms", "wakeup time", [](const Slave& r) { return Given(r.attributes.wakeupTimeMs); }},
    {"poweron_time_ms", "power-on time", [](const Slave& r) { return Given(r.attributes.powerOnTimeMs); }},
    {"configurable_frames", "configurable frame",
     [](const Slave& r) {
         return FieldValue::KeyedList(DescribeEach(r.attributes.configurableFrames, kConfigurableFrameFields));
     }},
    {"diagnostic_address", "diagnostic address", [](const Slave& r) { return Given(r.diagnosticAddress); }},
};

const FieldSpecs<CompositeNode> kCompositeNodeFields = {
    {"name", "name", [](const CompositeNode& r) { return FieldValue::Text(r.name); }},
    {"logical_nodes", "logical node",
     [](const CompositeNode& r) { return FieldValue::Texts(TextsOf(r.logicalNodes)); }},
};

const FieldSpecs<CompositeConfiguration> kConfigurationFields = {
    {"name", "name", [](const CompositeConfiguration& r) { return FieldValue::Text(r.name); }},
    {"composite_nodes", "composite node",
     [](const CompositeConfiguration& r) {
         return FieldValue::KeyedList(DescribeEach(r.compositeNodes, kCompositeNodeFields));
     }},
};

const FieldSpecs<DiagnosticFrame> kDiagnosticFrameFields = {
    {"signals", "signal", [](const DiagnosticFrame& r) { return SignalsAt(r.signalNames, r.offsets); }},
};

const FieldSpecs<OtherDiagnosticFrame> kOtherDiagnosticFrameFields = {
    {"name", "name", [](const OtherDiagnosticFrame& r) { return FieldValue::Text(r.name); }},
    {"id", "id", [](const OtherDiagnosticFrame& r) { return FieldValue::Integer(r.frameId); }},
    {"signals", "signal", [](const OtherDiagnosticFrame& r) { return SignalsAt(r.signalNames, r.offsets); }},
};

const FieldSpecs<LinFrame> kFrameFields = {
    {"name", "name", [](const LinFrame& r) { return FieldValue::Text(r.name); }},
    {"id", "id", [](const LinFrame& r) { return FieldValue::Integer(r.frameId); }},
    {"publisher", "publisher", [](const LinFrame& r) { return FieldValue::Text(r.publisher); }},
    {"length", "length", [](const LinFrame& r) { return r.length > 0 ? FieldValue::Integer(r.length) : FieldValue(); }},
    {"signals", "signal", [](const LinFrame& r) { return SignalsAt(r.signalNames, r.offsets); }},
};

const FieldSpecs<EventTriggeredFrame> kEventTriggeredFrameFields = {
    {"name", "name", [](const EventTriggeredFrame& r) { return FieldValue::Text(r.name); }},
    {"id", "id", [](const EventTriggeredFrame& r) { return Given(r.frameId); }},
    {"collision_table", "collision table",
     [](const EventTriggeredFrame& r) { return GivenText(r.collisionTable.str()); }},
    {"frames", "frame", [](const EventTriggeredFrame& r) { return FieldValue::Texts(TextsOf(r.frameNames)); }},
};

const FieldSpecs<SporadicFrame> kSporadicFrameFields = {
    {"name", "name", [](const SporadicFrame& r) { return FieldValue::Text(r.name); }},
    {"frames", "frame", [](const SporadicFrame& r) { return FieldValue::Texts(TextsOf(r.frameNames)); }},
};

const FieldSpecs<NetworkContent> kDynamicFrameFields = {
    {"ids", "ids", [](const NetworkContent& r) { return Numbers(r.dynamicFrameIds); }},
};

const FieldSpecs<EncodingValue> kLogicalValueFields = {
    {"value", "value", [](const EncodingValue& r) { return FieldValue::Integer(r.value); }},
    {"text", "text", [](const EncodingValue& r) { return FieldValue::Text(r.text); }},
};

const FieldSpecs<PhysicalRange> kPhysicalRangeFields = {
    {"min", "min", [](const PhysicalRange& r) { return FieldValue::Integer(r.min); }},
    {"max", "max", [](const PhysicalRange& r) { return FieldValue::Integer(r.max); }},
    {"scale", "scale", [](const PhysicalRange& r) { return FieldValue::Real(r.scale); }},
    {"offset", "offset", [](const PhysicalRange& r) { return FieldValue::Real(r.offset); }},
    {"text", "text", [](const PhysicalRange& r) { return FieldValue::Text(r.text); }},
};

const FieldSpecs<EncodingType> kEncodingTypeFields = {
    {"name", "name", [](const EncodingType& r) { return FieldValue::Text(r.name); }},
    {"logical_values", "logical value",
     [](const EncodingType& r) { return FieldValue::KeyedList(DescribeEach(r.logicalValues, kLogicalValueFields)); }},
    {"physical_ranges", "physical range",
     [](const EncodingType& r) { return List(DescribeEach(r.physicalRanges, kPhysicalRangeFields)); }},
    {"bcd", "BCD", [](const EncodingType& r) { return FieldValue::Flag(r.bcdCount > 0); }},
    {"ascii", "ASCII", [](const EncodingType& r) { return FieldValue::Flag(r.asciiCount > 0); }},
};

const FieldSpecs<SignalRepresentation> kRepresentationFields = {
    {"name", "name", [](const SignalRepresentation& r) { return FieldValue::Text(r.encodingName); }},
    {"signals", "signal", [](const SignalRepresentation& r) { return FieldValue::Texts(TextsOf(r.signalNames)); }},
};

FieldValue InitialValue(const LinSignal& signal)
{
    const std::vector<std::uint16_t> value = signal.InitialValueInEffect();
    return signal.isByteArray ? Numbers(value) : FieldValue::Integer(value.front());
}

const FieldSpecs<LinSignal> kSignalFields = {
    {"name", "name", [](const LinSignal& r) { return FieldValue::Text(r.name); }},
    {"size", "size", [](const LinSignal& r) { return FieldValue::Integer(r.size); }},
    {"initial_value", "initial value", InitialValue},
    {"publisher", "publisher", [](const LinSignal& r) { return FieldValue::Text(r.publisher); }},
    {"subscribers", "subscriber", [](const LinSignal& r) { return FieldValue::Texts(TextsOf(r.subscribers)); }},
};

const FieldSpecs<SignalGroup> kSignalGroupFields = {
    {"name", "name", [](const SignalGroup& r) { return FieldValue::Text(r.name); }},
    {"size", "size", [](const SignalGroup& r) { return Given(r.groupSize); }},
    {"signals", "signal", [](const SignalGroup& r) { return SignalsAt(r.signalNames, r.offsets); }},
};

const FieldSpecs<DiagnosticSignal> kDiagnosticSignalFields = {
    {"name", "name", [](const DiagnosticSignal& r) { return FieldValue::Text(r.name); }},
    {"size", "size", [](const DiagnosticSignal& r) { return FieldValue::Integer(r.size); }},
    {"initial_value", "initial value", [](const DiagnosticSignal& r) { return FieldValue::Integer(r.initValue); }},
};

// The command of a schedule entry and the values it carries; a frame slot is
// the command "frame".
FieldValue EntryCommand(const ScheduleEntry& entry)
{
    if (entry.kind == kFrameSlot)
        return FieldValue::Text("frame");
    const ScheduleCommandSpec* command = FindScheduleCommand(entry.kind);
    return command ? FieldValue::Text(command->keyword) : FieldValue();
}

FieldValue EntryArguments(const ScheduleEntry& entry)
{
    std::vector<FieldValue> values;
    if (const FrameSlotCommand* slot = entry.FrameSlot())
        values.push_back(FieldValue::Text(slot->frameName));
    if (const FrameIdCommand* frameId = entry.FrameId()) {
        values.push_back(FieldValue::Text(frameId->nodeName));
        values.push_back(FieldValue::Text(frameId->frameName));
    }
    if (const AssignNadCommand* nad = entry.AssignNad()) {
        if (!nad->nodeName.empty())
            values.push_back(FieldValue::Text(nad->nodeName));
        else
            for (const int value : {nad->initialNad, nad->newNad, nad->supplierId, nad->functionId})
                values.push_back(FieldValue::Integer(value));
    }
    if (const NodeCommand* node = entry.Node()) {
        if (!node->nodeName.empty())
            values.push_back(FieldValue::Text(node->nodeName));
        for (const int value : node->values)
            values.push_back(FieldValue::Integer(value));
    }
    if (const FreeFormatCommand* freeFormat = entry.FreeFormat())
        for (const int value : freeFormat->data)
            values.push_back(FieldValue::Integer(value));
    return List(std::move(values));
}

const FieldSpecs<ScheduleEntry> kScheduleEntryFields = {
    {"command", "command", EntryCommand},
    {"arguments", "arguments", EntryArguments},
    {"delay_ms", "delay", [](const ScheduleEntry& r) { return FieldValue::Real(r.delayMs); }},
};

const FieldSpecs<ScheduleTable> kScheduleTableFields = {
    {"name", "name", [](const ScheduleTable& r) { return FieldValue::Text(r.name); }},
    {"entries", "entry", [](const ScheduleTable& r) { return List(DescribeEach(r.entries, kScheduleEntryFields)); }},
};

NetworkSection Single(const char* key, std::vector<std::string> path, std::function<FieldValue()> describe)
{
    NetworkSection section{key, std::move(path), true, 1, {}, {}};
    section.record = [describe](std::size_t) { return describe(); };
    section.name = [describe](std::size_t) { return describe().Key(); };
    return section;
}

// at(i) gives the i-th record, by reference or as a small value made on the spot.
template <typename Record, typename At>
NetworkSection Entities(const char* key, std::vector<std::string> path, std::size_t size, At at,
                        const FieldSpecs<Record>& specs)
{
    NetworkSection section{key, std::move(path), false, size, {}, {}};
    section.record = [at, &specs](std::size_t i) { return Describe<Record>(at(i), specs); };
    section.name = [at, &specs](std::size_t i) { return specs.front().get(at(i)).Show(); };
    return section;
}

template <typename List, typename Record>
NetworkSection Entities(const char* key, std::vector<std::string> path, const List& list,
                        const FieldSpecs<Record>& specs)
{
    return Entities(
        key, std::move(path), list.size(), [&list](std::size_t i) -> const Record& { return Deref(list[i]); }, specs);
}

// Each slave with the attributes and the diagnostic address given for it.
class SlaveFinder {
public:
    explicit SlaveFinder(const NetworkContent& network) : m_network(network)
    {
        for (const auto& record : network.nodeAttributes)
            m_attributes.emplace(record->nodeName, record.get());
        for (const auto& record : network.diagnosticAddresses)
            m_addresses.emplace(record->nodeName, record->address);
    }

    Slave operator()(std::size_t i) const
    {
        static const NodeAttributes kNoAttributes;
        const LinNode& slave = *m_network.slaves[i];
        const auto found = m_attributes.find(slave.name);
        const auto address = m_addresses.find(slave.name);
        return {slave, found == m_attributes.end() ? kNoAttributes : *found->second,
                address == m_addresses.end() ? -1 : address->second};
    }

private:
    const NetworkContent& m_network;
    std::unordered_map<std::string, const NodeAttributes*> m_attributes;
    std::unordered_map<std::string, int> m_addresses;
};

}  // namespace

FieldValue FieldValue::Integer(long long value)
{
    FieldValue v;
    v.type = Type::Integer;
    v.integer = value;
    return v;
}

FieldValue FieldValue::Real(double value)
{
    FieldValue v;
    v.type = Type::Real;
    v.real = value;
    return v;
}

FieldValue FieldValue::Real(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Real(std::strtod(std::string(buffer, result.ptr).c_str(), nullptr));
}

FieldValue FieldValue::Text(std::string value)
{
    FieldValue v;
    v.type = Type::Text;
    v.text = std::move(value);
    return v;
}

FieldValue FieldValue::Flag(bool value)
{
    FieldValue v;
    v.type = Type::Flag;
    v.flag = value;
    return v;
}

FieldValue FieldValue::Texts(const std::vector<std::string>& values)
{
    std::vector<FieldValue> items;
    items.reserve(values.size());
    for (const std::string& value : values)
        items.push_back(Text(value));
    return List(std::move(items));
}

FieldValue FieldValue::KeyedList(std::vector<FieldValue> records)
{
    FieldValue v = List(std::move(records));
    v.keyed = true;
    return v;
}

std::string FieldValue::Show() const
{
    switch (type) {
    case Type::None:
        return "none";
    case Type::Integer:
        return std::to_string(integer);
    case Type::Real: {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, real);
        return std::string(buffer, result.ptr);
    }
    case Type::Text:
        return text;
    case Type::Flag:
        return flag ? "on" : "off";
    case Type::List: {
        std::string shown = "[";
        for (std::size_t i = 0; i < items.size(); ++i)
            shown += (i ? ", " : "") + items[i].Show();
        return shown + "]";
    }
    case Type::Record: {
        std::string shown = "{";
        for (std::size_t i = 0; i < fields.size(); ++i)
            shown += (i ? ", " : "") + fields[i].label + " " + fields[i].value.Show();
        return shown + "}";
    }
    }
    return {};
}

std::string FieldValue::Key() const
{
    return type == Type::Record && !fields.empty() ? fields.front().value.Show() : std::string();
}

bool operator==(const FieldValue& a, const FieldValue& b)
{
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case FieldValue::Type::None:
        return true;
    case FieldValue::Type::Integer:
        return a.integer == b.integer;
    case FieldValue::Type::Real:
        // A value that is not a number is still the same value on both sides.
        return a.real == b.real || (std::isnan(a.real) && std::isnan(b.real));
    case FieldValue::Type::Text:
        return a.text == b.text;
    case FieldValue::Type::Flag:
        return a.flag == b.flag;
    case FieldValue::Type::List:
        return a.items == b.items;
    case FieldValue::Type::Record:
        if (a.fields.size() != b.fields.size())
            return false;
        for (std::size_t i = 0; i < a.fields.size(); ++i)
            if (a.fields[i].name != b.fields[i].name || a.fields[i].value != b.fields[i].value)
                return false;
        return true;
    }
    return false;
}

std::vector<NetworkSection> DescribeNetwork(const NetworkContent& network)
{
    namespace text = outline_text;
    const Header header{network};
    const auto slaves = std::make_shared<const SlaveFinder>(network);
    const auto diagnosticSignals =
        std::make_shared<const std::vector<DiagnosticSignal>>(DiagnosticSignalsInEffect(network));
    const DiagnosticFrame masterRequest = DiagnosticFrameInEffect(network.masterRequest, kw::MasterReq);
    const DiagnosticFrame slaveResponse = DiagnosticFrameInEffect(network.slaveResponse, kw::SlaveResp);
    std::vector<NetworkSection> sections;
    sections.push_back(Single("network", {text::Network}, [header] { return Describe(header, kHeaderFields); }));
    sections.push_back(
        Single("master", {text::Nodes, text::Master}, [header] { return Describe(header, kMasterFields); }));
    sections.push_back(Entities(
        "nodes", {text::Nodes}, network.slaves.size(), [slaves](std::size_t i) { return (*slaves)(i); }, kSlaveFields));
    sections.push_back(
        Entities("composition", {text::NodeComposition}, network.compositeConfigurations, kConfigurationFields));
    sections.push_back(Single("master_request", {text::Frames, text::MasterReq},
                              [masterRequest] { return Describe(masterRequest, kDiagnosticFrameFields); }));
    sections.push_back(Single("slave_response", {text::Frames, text::SlaveRes},
                              [slaveResponse] { return Describe(slaveResponse, kDiagnosticFrameFields); }));
    sections.push_back(
        Entities("diagnostic_frames", {text::Frames}, network.otherDiagnosticFrames, kOtherDiagnosticFrameFields));
    sections.push_back(Entities("frames", {text::Frames}, network.frames, kFrameFields));
    sections.push_back(Entities("event_triggered_frames", {text::EventTriggeredFrames}, network.eventTriggeredFrames,
                                kEventTriggeredFrameFields));
    sections.push_back(
        Entities("sporadic_frames", {text::SporadicFrames}, network.sporadicFrames, kSporadicFrameFields));
    sections.push_back(
        Single("dynamic_frames", {text::DynamicFrames}, [&network] { return Describe(network, kDynamicFrameFields); }));
    sections.push_back(
        Entities("encoding_types", {text::Signals, text::EncodingTypes}, network.encodingTypes, kEncodingTypeFields));
    sections.push_back(Entities("representations", {text::Signals, text::Representation}, network.signalRepresentations,
                                kRepresentationFields));
    sections.push_back(Entities("signals", {text::Signals}, network.signals, kSignalFields));
    sections.push_back(Entities("schedule_tables", {text::Schedules}, network.scheduleTables, kScheduleTableFields));
    sections.push_back(Entities("signal_groups", {"Signal Groups"}, network.signalGroups, kSignalGroupFields));
    sections.push_back(Entities(
        "diagnostic_signals", {"Diagnostic Signals"}, diagnosticSignals->size(),
        [diagnosticSignals](std::size_t i) -> const DiagnosticSignal& { return (*diagnosticSignals)[i]; },
        kDiagnosticSignalFields));
    return sections;
}
