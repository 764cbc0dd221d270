#include "editing/DataRows.h"

#include "editing/NodeAttributesForm.h"
#include "editing/NumberDisplay.h"
#include "editing/NumberText.h"
#include "ldf/Keywords.h"
#include "ldf/ScheduleCommands.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/UnreadPlaces.h"
#include "validation/CheckRules.h"
#include "writer/LdfWriter.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace {

// Texts of the list. Shown to users verbatim and matched by tests; keep the spelling.
const char* const kMasterType = "Master";
const char* const kSlaveType = "Slave";
const char* const kAllSlaves = "All slaves";
const char* const kNo = "No";
const char* const kSignalAssigned = "Signal assigned";
const char* const kNoSignalAssigned = "No signal assigned";
const char* const kByteArrayInit = "BA";
const char* const kNoValue = "-";
const char* const kLogical = "Logical";
const char* const kPhysical = "Physical";
const char* const kBcd = "BCD";
const char* const kAscii = "ASCII";
const char* const kDiagnosticLength = "8";
// MasterReq and SlaveResp head the Frames list; the frames follow them by source.
const int kFixedFrameRows = 2;

using Cells = std::vector<std::string>;

std::string Int(int value) { return std::to_string(value); }
std::string TwoDecimals(double value) { return FormatFixed(value, 2); }
std::string Number(double value) { return FormatShortestNumber(value); }

// Texts or names, one after the other.
template <typename Texts> std::string Join(const Texts& texts, const char* separator)
{
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i != 0)
            joined += separator;
        joined += texts[i];
    }
    return joined;
}

// The table of a layout without rows; every row added gets its fill position.
class TableBuilder {
public:
    explicit TableBuilder(const char* layout)
    {
        if (const DataLayout* found = FindDataLayout(layout)) {
            m_table.layout = found->key;
            m_table.columns = found->columns;
        }
    }

    void Add(Cells cells) { AddWithSource(std::move(cells), static_cast<int>(m_table.rows.size())); }
    void AddWithSource(Cells cells, int source) { m_table.rows.push_back(DataRow{std::move(cells), source}); }
    DataTable Take() { return std::move(m_table); }

private:
    DataTable m_table;
};

// The first record of each name, for lookups inside loops. Record is the
// list's record type, const-qualified for read-only use.
template <typename Record, typename List> std::unordered_map<std::string, Record*> FirstByName(List& list)
{
    std::unordered_map<std::string, Record*> byName;
    for (const auto& record : list)
        byName.emplace(RecordName(*record), record.get());
    return byName;
}

template <typename Map> auto Lookup(const Map& map, const std::string& name) -> typename Map::mapped_type
{
    const auto found = map.find(name);
    return found == map.end() ? nullptr : found->second;
}

// A frame without a length takes the default of its id and keeps it.
int ShownLength(const LinFrame& frame) { return frame.length == 0 ? DefaultFrameLength(frame.frameId) : frame.length; }

DataTable NodesTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::Nodes);
    table.Add({n.masterName, kMasterType});
    for (const auto& slave : n.slaves)
        table.Add({slave->name, kSlaveType});
    return table.Take();
}

DataTable DynamicFramesTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::DynamicFrames);
    for (unsigned id : n.dynamicFrameIds)
        table.Add({IdText(id)});
    return table.Take();
}

DataTable EventTriggeredFramesTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::EventTriggeredFrames);
    for (const auto& frame : n.eventTriggeredFrames)
        table.Add({frame->name, IdText(frame->frameId), frame->collisionTable});
    return table.Take();
}

template <typename Record> DataTable NamesTable(const char* layout, const OwnedList<Record>& list)
{
    TableBuilder table(layout);
    for (const auto& record : list)
        table.Add({RecordName(*record)});
    return table.Take();
}

DataTable TextsTable(const char* layout, const NameList& texts)
{
    TableBuilder table(layout);
    for (const auto& text : texts)
        table.Add({text});
    return table.Take();
}

// The layout with the rows of a record; no rows when the record is gone.
template <typename Record, typename AddRows> DataTable RecordTable(const char* layout, Record* record, AddRows addRows)
{
    TableBuilder table(layout);
    if (record)
        addRows(table, *record);
    return table.Take();
}

void AddSporadicFrameRows(TableBuilder& table, const LinNetwork& n, const SporadicFrame& sporadic)
{
    const auto frames = FirstByName<const LinFrame>(n.frames);
    // The first event-triggered frame (in network order) that lists each frame.
    std::unordered_map<std::string, std::string> carrier;
    for (const auto& eventTriggered : n.eventTriggeredFrames)
        for (const auto& name : eventTriggered->frameNames)
            carrier.emplace(name, eventTriggered->name);
    for (const auto& name : sporadic.frameNames) {
        const LinFrame* frame = Lookup(frames, name);
        if (!frame) {
            table.Add({name});
            continue;
        }
        const auto found = carrier.find(name);
        table.Add({name, frame->publisher, found == carrier.end() ? kNo : found->second});
    }
}

void AddEventTriggeredFrameRows(TableBuilder& table, const LinNetwork& n, const EventTriggeredFrame& eventTriggered)
{
    const auto frames = FirstByName<const LinFrame>(n.frames);
    for (const auto& name : eventTriggered.frameNames) {
        const LinFrame* frame = Lookup(frames, name);
        if (!frame) {
            table.Add({name});
            continue;
        }
        bool assigned = false;
        for (std::uint32_t offset : frame->offsets)
            assigned = assigned || offset <= 7;
        table.Add({name, Int(ShownLength(*frame)), frame->publisher, assigned ? kSignalAssigned : kNoSignalAssigned});
    }
}

DataTable CompositeNodesTable(const LinNetwork& n, int configuration)
{
    const CompositeConfiguration* owner = n.compositeConfigurations.RecordAt(configuration);
    return owner ? NamesTable(layoutkey::CompositeNodes, owner->compositeNodes)
                 : TableBuilder(layoutkey::CompositeNodes).Take();
}

DataTable FunctionalNodesTable(const LinNetwork& n, int configuration, int node)
{
    const CompositeConfiguration* owner = n.compositeConfigurations.RecordAt(configuration);
    const CompositeNode* composite = owner ? owner->compositeNodes.RecordAt(node) : nullptr;
    return TextsTable(layoutkey::FunctionalNodes, composite ? composite->logicalNodes : NameList{});
}

std::string VersionCell(const std::string& text, float number)
{
    return lin::ShowsVersionText(text, number) ? text : TwoDecimals(number);
}

DataTable NetworkTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::Network);
    table.Add({"LIN protocol version", VersionCell(n.protocolVersionText, n.protocolVersion)});
    table.Add({"LIN language version", VersionCell(n.languageVersionText, n.languageVersion)});
    table.Add({"LIN speed", FormatLdfFloat(n.speedKbps)});
    if (n.channelName)
        table.Add({"Channel name", *n.channelName});
    if (n.fileRevision)
        table.Add({"LDF file revision", *n.fileRevision});
    if (n.byteOrder != SignalByteOrder::NotGiven)
        table.Add({"Signal byte order", n.byteOrder == SignalByteOrder::BigEndian ? "Big endian" : "Little endian"});
    if (n.maxHeaderBits >= 0)
        table.Add({"Max. header length", Int(n.maxHeaderBits) + " bits"});
    if (n.masterTolerancePercent >= 0)
        table.Add({"Master response tolerance", Number(n.masterTolerancePercent) + " %"});
    return table.Take();
}

std::string ConfigurableFrameText(const ConfigurableFrame& frame)
{
    return frame.hasMessageId ? frame.frameName + " = " + IdText(frame.messageId) : frame.frameName.str();
}

// A row for a value the file gave; -1 means it did not.
void AddGivenRow(TableBuilder& table, const char* caption, double value, const char* unit)
{
    if (value != -1)
        table.Add({caption, Number(value) + " " + unit});
}

void AddNodeAttributeRows(TableBuilder& table, const LinNetwork& n, const LinNode& slave)
{
    // The preparation gives every slave its attributes; these stand in
    // before it has run.
    const NodeAttributes defaults(slave.name);
    const NodeAttributes* found = n.FindNodeAttributes(slave.name);
    const NodeAttributes& a = found ? *found : defaults;
    table.Add({"LIN Protocol", a.ProtocolAsWritten()});
    table.Add({"Configured NAD", IdText(a.configuredNad)});
    if (a.initialNad >= 0)
        table.Add({"Initial NAD", IdText(a.initialNad)});
    AddGivenRow(table, "Response tolerance", a.responseTolerancePercent, "%");
    AddGivenRow(table, "Wake-up time", a.wakeupTimeMs, "ms");
    AddGivenRow(table, "Power-on time", a.powerOnTimeMs, "ms");
    if (!lin::HasLin2Attributes(a.protocol))
        return;
    if (a.HasProductId()) {
        std::string productId = "Supplier: " + IdText(a.supplierId) + ", Function: " + IdText(a.functionId);
        if (a.productIdCount != 2)
            productId += ", Variant: " + IdText(a.variant);
        table.Add({"Product ID", productId});
    }
    table.Add({"Response error", a.responseErrorSignal});
    if (!a.faultStateSignals.empty())
        table.Add({"Fault state signals", Join(a.faultStateSignals, ", ")});
    AddGivenRow(table, "P2 min", a.p2MinMs, "ms");
    AddGivenRow(table, "ST min", a.stMinMs, "ms");
    AddGivenRow(table, "N_As timeout", a.nAsTimeoutMs, "ms");
    AddGivenRow(table, "N_Cr timeout", a.nCrTimeoutMs, "ms");
    const auto& frames = a.configurableFrames;
    table.Add({"Configurable frames", frames.empty() ? std::string() : ConfigurableFrameText(*frames.front())});
    for (std::size_t i = 1; i < frames.size(); ++i)
        table.Add({std::string(), ConfigurableFrameText(*frames[i])});
}

DataTable MasterTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::Master);
    table.Add({n.masterName, Int(n.timeBaseMs), FormatLdfFloat(n.jitterMs)});
    return table.Take();
}

// The encoding of each signal: that of the first representation listing it.
std::unordered_map<std::string, std::string> EncodingsBySignal(const LinNetwork& n)
{
    std::unordered_map<std::string, std::string> encodings;
    for (const auto& representation : n.signalRepresentations)
        for (const auto& name : representation->signalNames)
            encodings.emplace(name, representation->encodingName);
    return encodings;
}

Cells SignalCells(const LinSignal& signal, const std::unordered_map<std::string, std::string>& encodings)
{
    std::string init;
    if (signal.isByteArray)
        init = kByteArrayInit;
    else if (!signal.initValues.empty())
        init = IdText(signal.initValues.front());
    const auto encoding = encodings.find(signal.name);
    return {signal.name,
            Int(signal.size),
            init,
            encoding == encodings.end() ? std::string() : encoding->second,
            signal.publisher,
            Join(signal.subscribers, ", ")};
}

DataTable SignalsTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::Signals);
    const auto encodings = EncodingsBySignal(n);
    for (const auto& signal : n.signals)
        table.Add(SignalCells(*signal, encodings));
    return table.Take();
}

DataTable FramesTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::Frames);
    table.Add({kw::MasterReq, IdText(kw::MasterReqId), kDiagnosticLength, n.masterName});
    table.Add({kw::SlaveResp, IdText(kw::SlaveRespId), kDiagnosticLength, kAllSlaves});
    // The other diagnostic frames stand among the fixed rows, after all the
    // frames' rows by source, so that a row's source still names its frame.
    int source = kFixedFrameRows + static_cast<int>(n.frames.size());
    for (const OtherDiagnosticFrame& frame : n.otherDiagnosticFrames)
        table.AddWithSource({frame.name, IdText(frame.frameId), kDiagnosticLength, std::string()}, source++);
    source = kFixedFrameRows;
    for (auto& frame : n.frames)
        table.AddWithSource({frame->name, IdText(frame->frameId), Int(ShownLength(*frame)), frame->publisher},
                            source++);
    return table.Take();
}

const OtherDiagnosticFrame* OtherDiagnosticFrameNamed(const LinNetwork& n, const std::string& name)
{
    for (const OtherDiagnosticFrame& frame : n.otherDiagnosticFrames)
        if (frame.name == name)
            return &frame;
    return nullptr;
}

DataTable KeptStatementTable(const LinNetwork& n, const std::optional<EntityRef>& record)
{
    const UnreadStatement* statement = record ? UnreadStatementAt(n, record->parent, record->index) : nullptr;
    return RecordTable(layoutkey::KeptStatement, statement, [](TableBuilder& table, const UnreadStatement& kept) {
        table.Add({Int(kept.line), StatementOnOneLine(kept.text)});
    });
}

DataTable DiagnosticFrameTable(const char* frame)
{
    TableBuilder table(layoutkey::FrameSignals);
    for (int byte = 0; byte < 8; ++byte)
        table.Add({kw::DiagnosticSignalName(frame, byte), std::string(), Int(byte * 8)});
    return table.Take();
}

// The signals a frame or a signal group places, with their sizes and offsets.
void AddPlacedSignalRows(TableBuilder& table, const LinNetwork& n, const NameList& names,
                         const std::vector<std::uint32_t>& offsets)
{
    const auto signals = FirstByName<const LinSignal>(n.signals);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const LinSignal* signal = Lookup(signals, names[i]);
        const std::string offset = i < offsets.size() ? std::to_string(offsets[i]) : std::string();
        table.Add({names[i], signal ? Int(signal->size) : std::string(), offset});
    }
}

DataTable SignalGroupsTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::SignalGroups);
    for (const auto& group : n.signalGroups)
        table.Add({group->name, group->groupSize >= 0 ? Int(group->groupSize) : std::string(),
                   Join(group->signalNames, ", ")});
    return table.Take();
}

// The values of a command block as the list shows them.
template <typename Numbers> std::string SpacedNumbers(const Numbers& numbers)
{
    std::vector<std::string> texts;
    for (int value : numbers)
        texts.push_back(Int(value));
    return Join(texts, "  ");
}

// The attributes column of a schedule command.
std::string CommandAttributes(const ScheduleEntry& entry)
{
    switch (entry.kind) {
    case kAssignFrameId:
    case kUnassignFrameId: {
        const FrameIdCommand* command = entry.FrameId();
        return "Node name: " + (command ? command->nodeName.str() : std::string()) +
               ", Frame name: " + (command ? command->frameName.str() : std::string());
    }
    case kAssignNad: {
        const AssignNadCommand none;
        const AssignNadCommand& c = entry.AssignNad() ? *entry.AssignNad() : none;
        if (!c.nodeName.empty())
            return "Node name: " + c.nodeName;
        return "Old NAD: " + IdText(c.initialNad) + ", New NAD: " + IdText(c.newNad) +
               ", Supplier: " + IdText(c.supplierId) + ", Function: " + IdText(c.functionId);
    }
    case kFreeFormat: {
        const FreeFormatCommand none;
        return SpacedNumbers(entry.FreeFormat() ? entry.FreeFormat()->data : none.data);
    }
    case kAssignFrameIdRange:
    case kConditionalChangeNad:
    case kDataDump:
    case kSaveConfiguration: {
        const NodeCommand none;
        const NodeCommand& c = entry.Node() ? *entry.Node() : none;
        const std::string data = SpacedNumbers(c.values);
        return c.nodeName.empty() ? data : "Node name: " + c.nodeName + (data.empty() ? "" : ", " + data);
    }
    default:
        return kNoValue;
    }
}

// The first column and the attributes of a schedule entry; nothing for an
// unknown kind.
bool ScheduleEntryCells(const ScheduleEntry& entry, std::string& first, std::string& attributes)
{
    if (entry.kind == kFrameSlot) {
        first = entry.FrameSlot() ? entry.FrameSlot()->frameName.str() : std::string();
        attributes = kNoValue;
        return true;
    }
    const ScheduleCommandSpec* command = FindScheduleCommand(entry.kind);
    if (!command)
        return false;
    first = command->keyword;
    attributes = CommandAttributes(entry);
    return true;
}

void AddScheduleEntryRows(TableBuilder& table, const ScheduleTable& schedule)
{
    for (std::size_t i = 0; i < schedule.entries.size(); ++i) {
        const ScheduleEntry& entry = *schedule.entries[i];
        std::string first;
        std::string attributes;
        if (ScheduleEntryCells(entry, first, attributes))
            table.AddWithSource({first, Number(entry.delayMs), attributes}, static_cast<int>(i));
    }
}

DataTable SchedulesTable(const LinNetwork& n)
{
    TableBuilder table(layoutkey::Schedules);
    for (const auto& schedule : n.scheduleTables) {
        double total = 0;
        for (const auto& entry : schedule->entries)
            total += entry->delayMs;
        table.Add({schedule->name, Number(total)});
    }
    return table.Take();
}

DataTable RepresentationTable(const LinNetwork& n, int index)
{
    const EncodingType* type = n.encodingTypes.RecordAt(index);
    const SignalRepresentation* representation = type ? n.FindRepresentation(type->name) : nullptr;
    return TextsTable(layoutkey::Representation, representation ? representation->signalNames : NameList{});
}

void AddEncodingValueRows(TableBuilder& table, const EncodingType& type)
{
    for (const auto& value : type.logicalValues)
        table.Add({kLogical, Int(value->value), kNoValue, kNoValue, kNoValue, value->text});
    for (const auto& range : type.physicalRanges)
        table.Add({kPhysical, Int(range->min), Int(range->max), FormatLdfFloat(range->scale),
                   FormatLdfFloat(range->offset), range->text});
    for (int i = 0; i < type.bcdCount; ++i)
        table.Add({kBcd, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue});
    for (int i = 0; i < type.asciiCount; ++i)
        table.Add({kAscii, kNoValue, kNoValue, kNoValue, kNoValue, kNoValue});
}

}  // namespace

const std::vector<DataLayout>& DataLayouts()
{
    static const std::vector<DataLayout> layouts = {
        {layoutkey::Network, {{"Entity", 150}, {"Value", kFillWidth}}},
        {layoutkey::EventTriggeredFrames, {{"Name", 150}, {"Frame ID", 100}, {"Collision Table", kFillWidth}}},
        {layoutkey::EventTriggeredFrame,
         {{"Frames", 150}, {"Length", 50}, {"Publisher", 100}, {"Offset 0-7", kFillWidth}}},
        {layoutkey::DynamicFrames, {{"Supported frame ID's", kFillWidth}}},
        {layoutkey::NodeComposition, {{"Configurations", kFillWidth}}},
        {layoutkey::CompositeNodes, {{"Composite Nodes", kFillWidth}}},
        {layoutkey::FunctionalNodes, {{"Functional Nodes", kFillWidth}}},
        {layoutkey::SporadicFrames, {{"Name", kFillWidth}}},
        {layoutkey::NodeAttributes, {{"Entity", 150}, {"Value", kFillWidth}}},
        {layoutkey::SporadicFrame,
         {{"Frames", 150}, {"Publisher", 150}, {"Associated with an Event Trig. Frame", kFillWidth}}},
        {layoutkey::Master, {{"Name", 150}, {"Time base in ms", 90}, {"Jitter in ms", kFillWidth}}},
        {layoutkey::Signals,
         {{"Name", 150},
          {"Size", 50},
          {"Init", 40},
          {"Representation", 100},
          {"Publisher", 100},
          {"Subscriber", kFillWidth}}},
        {layoutkey::Signal,
         {{"Name", 150},
          {"Size", 50},
          {"Init", 40},
          {"Representation", 100},
          {"Publisher", 100},
          {"Subscriber", kFillWidth}}},
        {layoutkey::Frames, {{"Name", 150}, {"ID", 40}, {"Size", 40}, {"Publisher", kFillWidth}}},
        {layoutkey::KeptStatement, {{"Line", 50}, {"Statement", kFillWidth}}},
        {layoutkey::FrameSignals, {{"Signal name", 150}, {"Size", 50}, {"Offset", kFillWidth}}},
        {layoutkey::Nodes, {{"Name", 150}, {"Type", kFillWidth}}},
        {layoutkey::Schedules, {{"Name", 150}, {"Total delay in ms", kFillWidth}}},
        {layoutkey::ScheduleEntries, {{"Frame name/type", 150}, {"Delay in ms", 70}, {"Attributes", kFillWidth}}},
        {layoutkey::EncodingValues,
         {{"Type", 100}, {"Min", 50}, {"Max", 50}, {"Scale", 50}, {"Offset", 50}, {"Text Info", kFillWidth}}},
        {layoutkey::EncodingTypes, {{"Name", kFillWidth}}},
        {layoutkey::Representation, {{"Associated Signals", kFillWidth}}},
        {layoutkey::Representations, {{"Name", kFillWidth}}},
        {layoutkey::SignalGroups, {{"Name", 150}, {"Size", 50}, {"Signals", kFillWidth}}},
        {layoutkey::SignalGroup, {{"Signal name", 150}, {"Size", 50}, {"Offset", kFillWidth}}},
    };
    return layouts;
}

const DataLayout* FindDataLayout(const std::string& key)
{
    for (const auto& layout : DataLayouts())
        if (layout.key == key)
            return &layout;
    return nullptr;
}

bool ListShowsMaster(const TreeItemRef& selected)
{
    switch (selected.kind) {
    case TreeItemKind::Master:
        return true;
    case TreeItemKind::Slave:
    case TreeItemKind::Signal:
    case TreeItemKind::Frame:
    case TreeItemKind::ScheduleTable:
        return selected.depth == 1 && selected.itemText == outline_text::Master;
    default:
        return false;
    }
}

DataTable FillDataTable(const LinNetwork& network, const TreeItemRef& selected)
{
    const LinNetwork& n = network;
    const TreeItemKind kind = selected.kind;
    const int index = selected.record ? selected.record->index : -1;
    const int parent = selected.record ? selected.record->parent : -1;
    switch (kind) {
    case TreeItemKind::NodesCategory:
        return NodesTable(n);
    case TreeItemKind::DynamicFrames:
        return DynamicFramesTable(n);
    case TreeItemKind::EventTriggeredCategory:
        return EventTriggeredFramesTable(n);
    case TreeItemKind::SporadicCategory:
        return NamesTable(layoutkey::SporadicFrames, n.sporadicFrames);
    case TreeItemKind::SporadicFrame:
        return RecordTable(layoutkey::SporadicFrame, n.sporadicFrames.RecordAt(index),
                           [&](TableBuilder& table, const SporadicFrame& f) { AddSporadicFrameRows(table, n, f); });
    case TreeItemKind::EventTriggeredFrame:
        return RecordTable(
            layoutkey::EventTriggeredFrame, n.eventTriggeredFrames.RecordAt(index),
            [&](TableBuilder& table, const EventTriggeredFrame& f) { AddEventTriggeredFrameRows(table, n, f); });
    case TreeItemKind::CompositionCategory:
        return NamesTable(layoutkey::NodeComposition, n.compositeConfigurations);
    case TreeItemKind::Configuration:
        return CompositeNodesTable(n, index);
    case TreeItemKind::CompositeNode:
        return FunctionalNodesTable(n, parent, index);
    case TreeItemKind::Network:
        return NetworkTable(n);
    default:
        break;
    }
    if (ListShowsMaster(selected))
        return MasterTable(n);
    if (kind == TreeItemKind::Slave)
        return RecordTable(layoutkey::NodeAttributes, n.slaves.RecordAt(index),
                           [&](TableBuilder& table, const LinNode& slave) { AddNodeAttributeRows(table, n, slave); });
    switch (kind) {
    case TreeItemKind::Signal:
        return RecordTable(layoutkey::Signal, n.signals.RecordAt(index), [&](TableBuilder& table, const LinSignal& s) {
            table.Add(SignalCells(s, EncodingsBySignal(n)));
        });
    case TreeItemKind::SignalsCategory:
        return SignalsTable(n);
    case TreeItemKind::FramesCategory:
        return FramesTable(n);
    case TreeItemKind::MasterRequestFrame:
        return DiagnosticFrameTable(kw::MasterReq);
    case TreeItemKind::SlaveResponseFrame:
        return DiagnosticFrameTable(kw::SlaveResp);
    case TreeItemKind::OtherDiagnosticFrame:
        return RecordTable(layoutkey::FrameSignals, OtherDiagnosticFrameNamed(n, selected.itemText),
                           [&](TableBuilder& table, const OtherDiagnosticFrame& frame) {
                               AddPlacedSignalRows(table, n, frame.signalNames, frame.offsets);
                           });
    case TreeItemKind::KeptStatement:
        return KeptStatementTable(n, selected.record);
    case TreeItemKind::Frame:
        return RecordTable(layoutkey::FrameSignals, n.frames.RecordAt(index),
                           [&](TableBuilder& table, const LinFrame& frame) {
                               AddPlacedSignalRows(table, n, frame.signalNames, frame.offsets);
                           });
    case TreeItemKind::ScheduleTable:
        return RecordTable(layoutkey::ScheduleEntries, n.scheduleTables.RecordAt(index), AddScheduleEntryRows);
    case TreeItemKind::SchedulesCategory:
        return SchedulesTable(n);
    case TreeItemKind::SignalGroupsCategory:
        return SignalGroupsTable(n);
    case TreeItemKind::SignalGroup:
        return RecordTable(layoutkey::SignalGroup, n.signalGroups.RecordAt(index),
                           [&](TableBuilder& table, const SignalGroup& group) {
                               AddPlacedSignalRows(table, n, group.signalNames, group.offsets);
                           });
    case TreeItemKind::Representation:
        return RepresentationTable(n, index);
    case TreeItemKind::RepresentationCategory:
        return NamesTable(layoutkey::Representations, n.encodingTypes);
    case TreeItemKind::EncodingTypesCategory:
        return NamesTable(layoutkey::EncodingTypes, n.encodingTypes);
    case TreeItemKind::EncodingType:
        return RecordTable(layoutkey::EncodingValues, n.encodingTypes.RecordAt(index), AddEncodingValueRows);
    default:
        return {};
    }
}

bool ColumnSortFlags::Toggle(const std::string& layout, int column)
{
    bool& descending = m_descending[{layout, column}];
    descending = !descending;
    return descending;
}

namespace {

// Upper case, ASCII only, so that the order does not depend on the locale.
// An empty cell sorts as a single blank.
std::string SortKey(const DataRow& row, std::size_t column)
{
    std::string key = column < row.cells.size() ? row.cells[column] : std::string();
    if (key.empty())
        key = " ";
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

// Byte by byte as signed 8-bit values; the first difference decides, and a
// text that merely runs longer than the other is not greater.
bool IsGreater(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (a[i] != b[i])
            return static_cast<signed char>(a[i]) > static_cast<signed char>(b[i]);
    return false;
}

template <typename List> void SwapEntries(List& list, int a, int b)
{
    if (list.Exists(a) && list.Exists(b))
        std::swap(list[static_cast<std::size_t>(a)], list[static_cast<std::size_t>(b)]);
}

// How a sortable layout's rows map to the network: the fixed rows on top and
// the list that follows the rows (none when only the shown rows move).
struct SortTarget {
    int fixedRows = 0;
    std::function<void(int, int)> swapEntries;
    int firstSource = 0;  // the source of the first row that moves
};

SortTarget SortTargetOf(LinNetwork& n, const std::string& layout)
{
    auto swapIn = [](auto& list) { return [&list](int a, int b) { SwapEntries(list, a, b); }; };
    if (layout == layoutkey::Nodes)
        return {1, swapIn(n.slaves), 1};
    if (layout == layoutkey::NodeComposition)
        return {0, swapIn(n.compositeConfigurations)};
    if (layout == layoutkey::Frames)
        return {kFixedFrameRows + static_cast<int>(n.otherDiagnosticFrames.size()), swapIn(n.frames), kFixedFrameRows};
    if (layout == layoutkey::EventTriggeredFrames)
        return {0, swapIn(n.eventTriggeredFrames)};
    if (layout == layoutkey::SporadicFrames)
        return {0, swapIn(n.sporadicFrames)};
    if (layout == layoutkey::Signals)
        return {0, swapIn(n.signals)};
    if (layout == layoutkey::Schedules)
        return {0, swapIn(n.scheduleTables)};
    return {};
}

}  // namespace

bool IsSortableLayout(const std::string& layout)
{
    static const std::vector<std::string> sortable = {
        layoutkey::Nodes,          layoutkey::NodeComposition, layoutkey::Frames,    layoutkey::EventTriggeredFrames,
        layoutkey::SporadicFrames, layoutkey::Signals,         layoutkey::Schedules, layoutkey::EncodingValues,
    };
    return std::find(sortable.begin(), sortable.end(), layout) != sortable.end();
}

SortOutcome SortDataTable(LinNetwork& network, DataTable& table, int column, ColumnSortFlags& flags)
{
    SortOutcome outcome;
    if (!IsSortableLayout(table.layout) || column < 0 || static_cast<std::size_t>(column) >= table.columns.size())
        return outcome;
    outcome.sorted = true;
    const bool descending = flags.Toggle(table.layout, column);
    const SortTarget target = SortTargetOf(network, table.layout);
    auto& rows = table.rows;
    const int first = target.fixedRows;
    const int last = static_cast<int>(rows.size()) - 1;

    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows)
        keys.push_back(SortKey(row, static_cast<std::size_t>(column)));

    // An exchange sort: the order of equal texts is part of what users see
    // and of the saved file, so it is kept exactly.
    for (int i = last; i >= first + 1; --i) {
        for (int j = first; j <= i - 1; ++j) {
            const auto& a = keys[static_cast<std::size_t>(i)];
            const auto& b = keys[static_cast<std::size_t>(j)];
            if (!(descending ? IsGreater(a, b) : IsGreater(b, a)))
                continue;
            std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
            std::swap(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(j)]);
            if (target.swapEntries) {
                target.swapEntries(i - first, j - first);
                outcome.networkReordered = true;
            }
        }
    }
    // Rows that follow the network show its entries in their new order.
    if (target.swapEntries)
        for (int i = first; i <= last; ++i)
            rows[static_cast<std::size_t>(i)].source = target.firstSource + (i - first);
    return outcome;
}
