#include "editing/ScheduleForms.h"

#include "editing/EntryRules.h"
#include "editing/NodeAttributesForm.h"
#include "editing/NumberDisplay.h"
#include "editing/NumberText.h"
#include "editing/ScheduleEntryEdits.h"
#include "ldf/ScheduleCommands.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "validation/CheckRules.h"
#include "writer/LdfWriter.h"

#include <algorithm>
#include <cmath>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kAddFrame = "Add Frame";
const char* const kDiagnosticFrames = "Diagnostic Frames";
const char* const kNormalFrames = "Normal Frames";
const char* const kEventTriggeredFrames = "E. T. Frames";
const char* const kSporadicFrames = "Sporadic Frames";
const char* const kMinimumTime = "Minimum time:   ";
const char* const kUndefined = "undefined";

constexpr int kLastByte = 255;
constexpr int kCommandBytes = 8;  // a diagnostic frame's length
constexpr int kUnsetNad = 127;
constexpr int kKeepPid = 0xFF;  // AssignFrameIdRange: the frame's PID stays

const CommandValue kFrameIdRangeValues[] = {{"Start index", 0, kLastByte, 0, false},
                                            {"PID 1", 0, kLastByte, kKeepPid, true},
                                            {"PID 2", 0, kLastByte, kKeepPid, true},
                                            {"PID 3", 0, kLastByte, kKeepPid, true},
                                            {"PID 4", 0, kLastByte, kKeepPid, true}};
const CommandValue kConditionalChangeNadValues[] = {{"NAD", 0, kLastByte, kUnsetNad, false},
                                                    {"Identifier", 0, 31, 0, false},
                                                    {"Byte", 1, 5, 1, false},
                                                    {"Mask", 0, kLastByte, kLastByte, false},
                                                    {"Invert", 0, kLastByte, 0, false},
                                                    {"New NAD", 0, kLastByte, kUnsetNad, false}};
const CommandValue kDataDumpValues[] = {{"D1", 0, kLastByte, kLastByte, false},
                                        {"D2", 0, kLastByte, kLastByte, false},
                                        {"D3", 0, kLastByte, kLastByte, false},
                                        {"D4", 0, kLastByte, kLastByte, false},
                                        {"D5", 0, kLastByte, kLastByte, false}};

int TimeBase(const LinNetwork& network)
{
    return network.timeBaseMs > 0 ? network.timeBaseMs : ScheduleEntryForm::kSubstituteTimeBase;
}

std::optional<double> TimeValue(const std::string& text)
{
    if (!AcceptDecimalText(text, text.size()))
        return std::nullopt;
    return ParseDouble(text);
}

// The payload of a new entry of the kind: zero NADs, bytes 255, and the
// initial numbers of the LIN 2.1 commands. A command that names a slave
// names the first one; in a LIN 2.1 text AssignNAD too names its slave.
std::unique_ptr<ScheduleCommand> NewCommand(const LinNetwork& network, int kind)
{
    const std::string firstSlave = network.slaves.empty() ? std::string() : network.slaves.front()->name.str();
    switch (kind) {
    case kAssignFrameId:
    case kUnassignFrameId:
        return std::make_unique<FrameIdCommand>();
    case kAssignNad: {
        auto command = std::make_unique<AssignNadCommand>();
        if (network.Version().lin21Forms)
            command->nodeName = firstSlave;
        return command;
    }
    case kFreeFormat: {
        auto command = std::make_unique<FreeFormatCommand>();
        command->data.fill(kLastByte);
        return command;
    }
    case kAssignFrameIdRange:
    case kConditionalChangeNad:
    case kDataDump:
    case kSaveConfiguration: {
        auto command = std::make_unique<NodeCommand>();
        if (FindScheduleCommand(kind)->namesNode)
            command->nodeName = firstSlave;
        for (const CommandValue& value : ScheduleEntryForm::CommandValues(network, kind))
            if (!value.optional)
                command->values.push_back(value.initial);
        return command;
    }
    default:
        return std::make_unique<ScheduleCommand>();
    }
}

// The entry's payload of the kind it says it is; a payload of another type
// is replaced by a new one.
template <typename Command>
Command& PayloadOf(const LinNetwork& network, ScheduleEntry& entry, Command* (ScheduleEntry::*typed)() const)
{
    if (!(entry.*typed)())
        entry.command = NewCommand(network, entry.kind);
    return *(entry.*typed)();
}

// The commands a sheet can add: the LIN 2.1 configuration commands only
// where the text's version has them.
std::vector<const ScheduleCommandSpec*> OfferedCommands(const LinNetwork& network)
{
    std::vector<const ScheduleCommandSpec*> offered;
    for (const ScheduleCommandSpec& command : kScheduleCommands)
        if (network.Version().ReadsCommand(command))
            offered.push_back(&command);
    return offered;
}

// The numbers of a LIN 2.1 command from the texts of its fields. A text
// shown as stored keeps the stored number, even one beyond the field's
// range; an empty text keeps it too. The optional numbers are left out when
// all their fields are empty; one left empty among them takes its initial.
std::vector<int> CommittedValues(const std::vector<int>& stored, const std::vector<std::string>& texts,
                                 const std::vector<CommandValue>& fields)
{
    std::vector<int> values;
    const auto text = [&](std::size_t i) { return i < texts.size() ? texts[i] : std::string(); };
    bool optionalGiven = false;
    for (std::size_t i = 0; i < fields.size(); ++i)
        optionalGiven = optionalGiven || (fields[i].optional && !text(i).empty());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const CommandValue& field = fields[i];
        if (field.optional && !optionalGiven)
            break;
        const bool isStored = i < stored.size();
        const std::optional<int> typed = NumberFieldValue(text(i), NumberField{field.max, true, field.min});
        if (isStored && (text(i).empty() || text(i) == std::to_string(stored[i]) || !typed))
            values.push_back(stored[i]);
        else if (typed && !text(i).empty())
            values.push_back(*typed);
        else
            values.push_back(field.initial);
    }
    return values;
}

std::vector<std::string> FrameNamesOfEveryKind(const LinNetwork& network)
{
    std::vector<std::string> names = RecordNames(network.frames);
    for (const auto& list : {RecordNames(network.eventTriggeredFrames), RecordNames(network.sporadicFrames)})
        names.insert(names.end(), list.begin(), list.end());
    return names;
}

}  // namespace

std::string EntryText(const ScheduleEntry& entry)
{
    if (const ScheduleCommandSpec* command = FindScheduleCommand(entry.kind))
        return command->keyword;
    return entry.FrameSlot() ? entry.FrameSlot()->frameName.str() : std::string();
}

ChoiceMenu ScheduleTableForm::AddChoices(const LinNetwork& network)
{
    ChoiceGroup commands{kDiagnosticFrames, {}};
    for (const ScheduleCommandSpec* command : OfferedCommands(network))
        commands.entries.push_back(command->keyword);
    return ChoiceMenu{kAddFrame,
                      {commands,
                       {kNormalFrames, RecordNames(network.frames)},
                       {kEventTriggeredFrames, RecordNames(network.eventTriggeredFrames)},
                       {kSporadicFrames, RecordNames(network.sporadicFrames)}}};
}

std::optional<int> ScheduleTableForm::AddChosen(const LinNetwork& network, int choice, int selected)
{
    const std::vector<const ScheduleCommandSpec*> commands = OfferedCommands(network);
    const int commandCount = static_cast<int>(commands.size());
    if (choice < 0)
        return std::nullopt;
    if (choice < commandCount) {
        const int kind = commands[static_cast<std::size_t>(choice)]->kind;
        return InsertScheduleEntry(entries, selected,
                                   std::make_unique<ScheduleEntry>(0, kind, NewCommand(network, kind)));
    }
    const std::vector<std::string> frames = FrameNamesOfEveryKind(network);
    const std::size_t frame = static_cast<std::size_t>(choice - commandCount);
    if (frame >= frames.size())
        return std::nullopt;
    return InsertScheduleEntry(
        entries, selected,
        std::make_unique<ScheduleEntry>(0, kFrameSlot, std::make_unique<FrameSlotCommand>(frames[frame])));
}

void ScheduleTableForm::Remove(int row)
{
    if (entries.Exists(row))
        entries.erase(entries.begin() + row);
}

bool ScheduleTableForm::Move(int row, int step) { return MoveScheduleEntry(entries, row, step); }

int ScheduleTableForm::Duplicate(int row) { return DuplicateScheduleEntry(entries, row); }

std::vector<std::string> ScheduleTableForm::EntryTexts() const
{
    std::vector<std::string> texts;
    for (const auto& entry : entries)
        texts.push_back(EntryText(*entry));
    return texts;
}

ScheduleTableForm ScheduleTableForm::Read(const LinNetwork& network, int index)
{
    const ScheduleTable* table = network.scheduleTables.RecordAt(index);
    return table ? ScheduleTableForm{table->name, table->entries} : ScheduleTableForm{};
}

void ScheduleTableForm::Commit(LinNetwork& network, int index) const
{
    if (!network.scheduleTables.Exists(index))
        return;
    if (!name.empty())
        RenameScheduleTable(network, static_cast<std::size_t>(index),
                            MakeUniqueName(network.scheduleTables, name, index));
    network.scheduleTables[static_cast<std::size_t>(index)]->entries = entries;
}

std::string ScheduleEntryForm::MinimumTimeLine(const LinNetwork& network, const ScheduleEntry& entry)
{
    const int bytes = entry.kind == kFrameSlot
                          ? network.FrameLength(entry.FrameSlot() ? entry.FrameSlot()->frameName.str() : std::string())
                          : kCommandBytes;
    if (bytes < 0 || !(network.speedKbps > 0.0f))
        return std::string(kMinimumTime) + kUndefined;
    // 1.4 times the bits of the frame (10 per byte, 44 of header and
    // checksum), at the speed in kbit/s, gives ms.
    const double ms = 1.4 / network.speedKbps * (10.0 * bytes + 44.0) + network.jitterMs;
    return std::string(kMinimumTime) + FormatFixed(ms, 2) + " ms";
}

std::vector<std::string> ScheduleEntryForm::SlaveChoices(const LinNetwork& network)
{
    return RecordNames(network.slaves);
}

std::vector<std::string> ScheduleEntryForm::FrameChoices(const LinNetwork& network, const std::string& node)
{
    std::vector<std::string> frames;
    if (const NodeAttributes* attributes = network.FindNodeAttributes(node))
        for (const auto& frame : attributes->configurableFrames)
            frames.push_back(frame->frameName);
    return frames;
}

std::vector<std::string> ScheduleEntryForm::ByteChoices() { return NumberChoices(0, kLastByte); }

std::vector<CommandValue> ScheduleEntryForm::CommandValues(const LinNetwork& network, int kind)
{
    const auto taken = [&](const auto& values) {
        std::vector<CommandValue> fields;
        for (const CommandValue& value : values)
            if (!value.optional || network.Version().lin21Forms)
                fields.push_back(value);
        return fields;
    };
    switch (kind) {
    case kAssignFrameIdRange:
        return taken(kFrameIdRangeValues);
    case kConditionalChangeNad:
        return taken(kConditionalChangeNadValues);
    case kDataDump:
        return taken(kDataDumpValues);
    default:
        return {};
    }
}

bool ScheduleEntryForm::ChoosesSlave() const
{
    const ScheduleCommandSpec* command = FindScheduleCommand(kind);
    return nadOfNode || (command && command->namesNode);
}

double ScheduleEntryForm::SpinTime(LinNetwork& network, double time, int step)
{
    if (network.timeBaseMs <= 0)
        network.timeBaseMs = kSubstituteTimeBase;
    const double base = network.timeBaseMs;
    const double moved = (std::floor(time / base) + (step < 0 ? -1 : 1)) * base;
    if (moved > kMaxTime - 1)
        return kMaxTime;
    return std::max(moved, base);
}

std::optional<std::string> ScheduleEntryForm::SpinTimeText(LinNetwork& network, const std::string& time, int step)
{
    if (const std::optional<double> value = TimeValue(time))
        return FormatShortestNumber(SpinTime(network, *value, step));
    return std::nullopt;
}

void ScheduleEntryForm::ChooseNadNode(LinNetwork& network, const std::string& nodeName)
{
    node = nodeName;
    const NodeAttributes& attributes = network.AttributesOf(nodeName);
    newNad = IdText(attributes.configuredNad);
    supplierId = IdText(attributes.supplierId);
    functionId = IdText(attributes.functionId);
}

ScheduleEntryForm ScheduleEntryForm::Read(LinNetwork& network, int table, int entry)
{
    const ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    const ScheduleEntry* record = schedule ? schedule->entries.RecordAt(entry) : nullptr;
    if (!record)
        return {};
    ScheduleEntryForm form;
    form.kind = record->kind;
    form.typeName = EntryText(*record);
    form.time = FormatShortestNumber(record->delayMs);
    form.minimumTime = MinimumTimeLine(network, *record);
    if (const FrameIdCommand* command = record->FrameId()) {
        form.node = command->nodeName;
        form.frame = command->frameName;
    } else if (const AssignNadCommand* nad = record->AssignNad(); nad && !nad->nodeName.empty()) {
        form.nadOfNode = true;
        form.node = nad->nodeName;
    } else if (nad) {
        form.oldNad = IdText(nad->initialNad);
        for (const auto& attributes : network.nodeAttributes)
            if (attributes->configuredNad == nad->newNad && attributes->supplierId == nad->supplierId &&
                attributes->functionId == nad->functionId) {
                form.ChooseNadNode(network, attributes->nodeName);
                break;
            }
    } else if (const FreeFormatCommand* bytes = record->FreeFormat()) {
        for (std::size_t i = 0; i < bytes->data.size(); ++i)
            form.data[i] = std::to_string(bytes->data[i]);
    } else if (const NodeCommand* nodeCommand = record->Node()) {
        form.node = nodeCommand->nodeName;
        for (const int value : nodeCommand->values)
            form.values.push_back(std::to_string(value));
    }
    return form;
}

void ScheduleEntryForm::Commit(LinNetwork& network, int table, int entry) const
{
    ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    ScheduleEntry* record = schedule ? schedule->entries.RecordAt(entry) : nullptr;
    if (!record)
        return;
    if (time != FormatShortestNumber(record->delayMs) &&
        ClassifyNumberText(time, kTimeRange) != NumberTextState::OutOfRange) {
        const int base = TimeBase(network);
        const double typed = TimeValue(time).value_or(0);
        record->delayMs = typed > 0 && IsWholeMultipleOfTimeBase(typed, base) ? typed : base;
    }

    switch (record->kind) {
    case kAssignFrameId:
    case kUnassignFrameId: {
        FrameIdCommand& command = PayloadOf(network, *record, &ScheduleEntry::FrameId);
        command.nodeName = node;
        command.frameName = node.empty() ? std::string() : frame;
        break;
    }
    case kAssignNad:
        if (!node.empty()) {
            AssignNadCommand& command = PayloadOf(network, *record, &ScheduleEntry::AssignNad);
            if (!command.nodeName.empty()) {  // the LIN 2.1 form names the slave alone
                command.nodeName = node;
                break;
            }
            command.initialNad = oldNad.empty() ? kUnsetNad : ParseInt(oldNad);
            command.newNad = ParseInt(newNad);
            command.supplierId = ParseInt(supplierId);
            command.functionId = ParseInt(functionId);
        }
        break;
    case kFreeFormat: {
        FreeFormatCommand& command = PayloadOf(network, *record, &ScheduleEntry::FreeFormat);
        for (std::size_t i = 0; i < data.size(); ++i)
            if (!data[i].empty())
                command.data[i] = ParseInt(data[i]);
        break;
    }
    case kAssignFrameIdRange:
    case kConditionalChangeNad:
    case kDataDump:
    case kSaveConfiguration: {
        NodeCommand& command = PayloadOf(network, *record, &ScheduleEntry::Node);
        if (FindScheduleCommand(record->kind)->namesNode && !node.empty())
            command.nodeName = node;
        command.values = CommittedValues(command.values, values, CommandValues(network, record->kind));
        break;
    }
    default:
        break;
    }
}
