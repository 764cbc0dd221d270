#include "editing/ScheduleForms.h"

#include "editing/NodeAttributesForm.h"
#include "editing/NumberText.h"
#include "model/LinNetwork.h"
#include "model/Rename.h"
#include "reader/ScheduleCommands.h"
#include "reader/TextScanner.h"
#include "writer/LdfWriter.h"

#include <climits>

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
constexpr NumberField kTimeField{INT_MAX, false};

int TimeBase(const LinNetwork& network)
{
    return network.timeBaseMs > 0 ? network.timeBaseMs : ScheduleEntryForm::kSubstituteTimeBase;
}

// The payload of a new entry of the kind: empty names, zero NADs, bytes 255.
std::unique_ptr<ScheduleCommand> NewCommand(int kind)
{
    switch (kind) {
    case kAssignFrameId:
    case kUnassignFrameId:
        return std::make_unique<FrameIdCommand>();
    case kAssignNad:
        return std::make_unique<AssignNadCommand>();
    case kFreeFormat: {
        auto command = std::make_unique<FreeFormatCommand>();
        command->data.fill(kLastByte);
        return command;
    }
    default:
        return std::make_unique<ScheduleCommand>();
    }
}

// The entry's payload of the kind it says it is; a payload of another type
// is replaced by a new one.
template <typename Command> Command& PayloadOf(ScheduleEntry& entry, Command* (ScheduleEntry::*typed)() const)
{
    if (!(entry.*typed)())
        entry.command = NewCommand(entry.kind);
    return *(entry.*typed)();
}

// The commands a sheet can add: those of LIN 2.0. The LIN 2.1 configuration
// commands are kept as the file gives them but have no sheet yet.
std::vector<const ScheduleCommandSpec*> OfferedCommands()
{
    std::vector<const ScheduleCommandSpec*> offered;
    for (const ScheduleCommandSpec& command : kScheduleCommands)
        if (command.kind <= kFreeFormat)
            offered.push_back(&command);
    return offered;
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
    return entry.FrameSlot() ? entry.FrameSlot()->frameName : std::string();
}

ChoiceMenu ScheduleTableForm::AddChoices(const LinNetwork& network)
{
    ChoiceGroup commands{kDiagnosticFrames, {}};
    for (const ScheduleCommandSpec* command : OfferedCommands())
        commands.entries.push_back(command->keyword);
    return ChoiceMenu{kAddFrame,
                      {commands,
                       {kNormalFrames, RecordNames(network.frames)},
                       {kEventTriggeredFrames, RecordNames(network.eventTriggeredFrames)},
                       {kSporadicFrames, RecordNames(network.sporadicFrames)}}};
}

bool ScheduleTableForm::AddChosen(const LinNetwork& network, int choice)
{
    const std::vector<const ScheduleCommandSpec*> commands = OfferedCommands();
    const int commandCount = static_cast<int>(commands.size());
    if (choice < 0)
        return false;
    if (choice < commandCount) {
        const int kind = commands[static_cast<std::size_t>(choice)]->kind;
        entries.Append(std::make_unique<ScheduleEntry>(0, kind, NewCommand(kind)));
        return true;
    }
    const std::vector<std::string> frames = FrameNamesOfEveryKind(network);
    const std::size_t frame = static_cast<std::size_t>(choice - commandCount);
    if (frame >= frames.size())
        return false;
    entries.Append(std::make_unique<ScheduleEntry>(0, kFrameSlot, std::make_unique<FrameSlotCommand>(frames[frame])));
    return true;
}

void ScheduleTableForm::Remove(int row)
{
    if (entries.Exists(row))
        entries.erase(entries.begin() + row);
}

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
                          ? network.FrameLength(entry.FrameSlot() ? entry.FrameSlot()->frameName : std::string())
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

int ScheduleEntryForm::SpinTime(LinNetwork& network, int time, int step)
{
    if (network.timeBaseMs <= 0)
        network.timeBaseMs = kSubstituteTimeBase;
    const long long base = network.timeBaseMs;
    long long steps = time / base;
    if (time % base != 0 && time < 0)
        --steps;
    const long long moved = (steps + (step < 0 ? -1 : 1)) * base;
    if (moved > kMaxTime - 1)
        return kMaxTime;
    return static_cast<int>(moved < base ? base : moved);
}

void ScheduleEntryForm::ChooseNadNode(LinNetwork& network, const std::string& nodeName)
{
    node = nodeName;
    const NodeAttributes& attributes = network.AttributesOf(nodeName);
    newNad = std::to_string(attributes.configuredNad);
    supplierId = std::to_string(attributes.supplierId);
    functionId = std::to_string(attributes.functionId);
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
    } else if (const AssignNadCommand* nad = record->AssignNad()) {
        form.oldNad = std::to_string(nad->initialNad);
        for (const auto& attributes : network.nodeAttributes)
            if (attributes->configuredNad == nad->newNad && attributes->supplierId == nad->supplierId &&
                attributes->functionId == nad->functionId) {
                form.ChooseNadNode(network, attributes->nodeName);
                break;
            }
    } else if (const FreeFormatCommand* bytes = record->FreeFormat()) {
        for (std::size_t i = 0; i < bytes->data.size(); ++i)
            form.data[i] = std::to_string(bytes->data[i]);
    }
    return form;
}

void ScheduleEntryForm::Commit(LinNetwork& network, int table, int entry) const
{
    ScheduleTable* schedule = network.scheduleTables.RecordAt(table);
    ScheduleEntry* record = schedule ? schedule->entries.RecordAt(entry) : nullptr;
    if (!record)
        return;
    const int base = TimeBase(network);
    const int typed = NumberFieldValue(time, kTimeField).value_or(0);
    record->delayMs = typed != 0 && typed % base == 0 ? typed : base;

    switch (record->kind) {
    case kAssignFrameId:
    case kUnassignFrameId: {
        FrameIdCommand& command = PayloadOf(*record, &ScheduleEntry::FrameId);
        command.nodeName = node;
        command.frameName = node.empty() ? std::string() : frame;
        break;
    }
    case kAssignNad:
        if (!node.empty()) {
            AssignNadCommand& command = PayloadOf(*record, &ScheduleEntry::AssignNad);
            if (!command.nodeName.empty())  // the LIN 2.1 form names the slave alone
                command.nodeName = node;
            command.initialNad = oldNad.empty() ? kUnsetNad : ParseInt(oldNad);
            command.newNad = ParseInt(newNad);
            command.supplierId = ParseInt(supplierId);
            command.functionId = ParseInt(functionId);
        }
        break;
    case kFreeFormat: {
        FreeFormatCommand& command = PayloadOf(*record, &ScheduleEntry::FreeFormat);
        for (std::size_t i = 0; i < data.size(); ++i)
            if (!data[i].empty())
                command.data[i] = ParseInt(data[i]);
        break;
    }
    default:
        break;
    }
}
