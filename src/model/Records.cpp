#include "ldf/TextScanner.h"
#include "model/FrameRecords.h"
#include "model/LinVersion.h"
#include "model/NodeRecords.h"
#include "model/SignalRecords.h"

#include <algorithm>
#include <cctype>

bool NodeAttributes::SetProtocol(const std::string& text)
{
    if (!lin::IsSupportedVersion(text))
        return false;
    protocol = text;
    unknownProtocol.clear();
    if (lin::Lin2AttributesAreOptional(protocol) && productIdCount == 0 && p2MinMs == 0 && stMinMs == 0)
        p2MinMs = stMinMs = -1;
    return true;
}

bool NodeAttributes::AddProductValue(int value)
{
    switch (productIdCount) {
    case 0:
        if (value >= 0 && value <= 0x7FFE)
            supplierId = value;
        break;
    case 1:
        if (value >= 0 && value <= 0xFFFE)
            functionId = value;
        break;
    case 2:
        if (value >= 0)
            variant = value;
        break;
    default:
        return false;
    }
    ++productIdCount;
    return true;
}

bool DiagnosticAddress::Assign(const std::string& node, const std::string& addressText)
{
    nodeName = node;
    address = ParseInt(addressText);
    return true;
}

void LinSignal::AddParameter(std::string text)
{
    switch (fillCount) {
    case 0:
        name = std::move(text);
        break;
    case 1:
        size = ParseInt(text);
        break;
    case 2:
        if (!isByteArray)
            initValues.push_back(static_cast<std::uint16_t>(ParseInt(text)));
        break;
    case 3:
        publisher = std::move(text);
        break;
    default:
        subscribers.push_back(std::move(text));
        return;
    }
    ++fillCount;
}

void LinSignal::AddInitByte(const std::string& text)
{
    if (!isByteArray) {
        isByteArray = true;
        ++fillCount;
    }
    initValues.push_back(static_cast<std::uint16_t>(ParseInt(text)));
}

std::vector<std::uint16_t> LinSignal::InitialValueInEffect() const
{
    constexpr int kMaxArrayBytes = 8;
    if (!initValues.empty())
        return initValues.ToVector();
    return std::vector<std::uint16_t>(
        isByteArray ? static_cast<std::size_t>(std::clamp(size / 8, 1, kMaxArrayBytes)) : 1u, 0);
}

bool SignalGroup::AddParameter(const std::string& text)
{
    bool accepted = true;
    if (fillCount == 0) {
        name = text;
    } else if (fillCount == 1) {
        bool digitsOnly = !text.empty();
        for (char c : text)
            digitsOnly = digitsOnly && std::isdigit(static_cast<unsigned char>(c));
        groupSize = digitsOnly ? ParseInt(text) : 0;
        accepted = digitsOnly;
    }
    ++fillCount;
    return accepted;
}

bool SignalGroup::AddSignal(const std::string& signalName, const std::string& offsetText)
{
    signalNames.push_back(signalName);
    offsets.push_back(static_cast<std::uint32_t>(ParseInt(offsetText)));
    return true;
}

void EncodingType::AddLogicalValue(int value, const std::string& text)
{
    logicalValues.Append(std::make_unique<EncodingValue>(value, text));
}

void EncodingType::AddPhysicalRange(int min, int max, double scale, double offset, const std::string& text)
{
    physicalRanges.Append(std::make_unique<PhysicalRange>(min, max, scale, offset, text));
}

const EncodingValue* EncodingType::GetLogicalValue(int index) const
{
    if (index < 0 || index >= static_cast<int>(logicalValues.size()))
        return nullptr;
    return logicalValues[static_cast<std::size_t>(index)].get();
}

const PhysicalRange* EncodingType::GetPhysicalRange(int index) const
{
    if (index < 0 || index >= static_cast<int>(physicalRanges.size()))
        return nullptr;
    return physicalRanges[static_cast<std::size_t>(index)].get();
}

bool LinFrame::AddParameter(const std::string& text)
{
    switch (fillCount) {
    case 0:
        name = text;
        break;
    case 1:
        frameId = ParseInt(text);
        break;
    case 2:
        publisher = text;
        break;
    case 3:
        length = ParseInt(text);
        break;
    default:
        break;
    }
    ++fillCount;
    return true;
}

void LinFrame::AddSignal(const std::string& signalName, const std::string& offsetText)
{
    signalNames.push_back(signalName);
    offsets.push_back(static_cast<std::uint32_t>(ParseInt(offsetText)));
}

bool EventTriggeredFrame::AddParameter(const std::string& text)
{
    if (fillCount == 0)
        frameId = ParseInt(text);
    else
        frameNames.push_back(text);
    ++fillCount;
    return true;
}

bool DiagnosticFrame::AddSignal(const std::string& signalName, const std::string& offsetText)
{
    signalNames.push_back(signalName);
    offsets.push_back(static_cast<std::uint32_t>(ParseInt(offsetText)));
    return true;
}

ScheduleEntry::ScheduleEntry(double delay, int entryKind, std::unique_ptr<ScheduleCommand> payload)
    : delayMs(delay), kind(entryKind), command(std::move(payload))
{
    if (!command)
        command = std::make_unique<ScheduleCommand>();
}

ScheduleEntry::ScheduleEntry(const ScheduleEntry& other)
    : delayMs(other.delayMs), kind(other.kind), command(other.command->Clone())
{
}

ScheduleEntry& ScheduleEntry::operator=(const ScheduleEntry& other)
{
    if (this != &other) {
        delayMs = other.delayMs;
        kind = other.kind;
        command = other.command->Clone();
    }
    return *this;
}

FrameSlotCommand* ScheduleEntry::FrameSlot() const
{
    return kind == kFrameSlot ? dynamic_cast<FrameSlotCommand*>(command.get()) : nullptr;
}

FrameIdCommand* ScheduleEntry::FrameId() const
{
    return (kind == kAssignFrameId || kind == kUnassignFrameId) ? dynamic_cast<FrameIdCommand*>(command.get())
                                                                : nullptr;
}

AssignNadCommand* ScheduleEntry::AssignNad() const
{
    return kind == kAssignNad ? dynamic_cast<AssignNadCommand*>(command.get()) : nullptr;
}

FreeFormatCommand* ScheduleEntry::FreeFormat() const
{
    return kind == kFreeFormat ? dynamic_cast<FreeFormatCommand*>(command.get()) : nullptr;
}

NodeCommand* ScheduleEntry::Node() const
{
    return kind >= kAssignFrameIdRange && kind <= kSaveConfiguration ? dynamic_cast<NodeCommand*>(command.get())
                                                                     : nullptr;
}
