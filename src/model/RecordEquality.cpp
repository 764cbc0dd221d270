#include "model/RecordEquality.h"

#include <typeinfo>

namespace {

// The payloads of schedule entries: of the same type, with equal members.
bool SameCommand(const ScheduleCommand& a, const ScheduleCommand& b)
{
    if (typeid(a) != typeid(b))
        return false;
    if (const auto* slot = dynamic_cast<const FrameSlotCommand*>(&a))
        return slot->frameName == static_cast<const FrameSlotCommand&>(b).frameName;
    if (const auto* frameId = dynamic_cast<const FrameIdCommand*>(&a)) {
        const auto& other = static_cast<const FrameIdCommand&>(b);
        return frameId->nodeName == other.nodeName && frameId->frameName == other.frameName;
    }
    if (const auto* nad = dynamic_cast<const AssignNadCommand*>(&a)) {
        const auto& other = static_cast<const AssignNadCommand&>(b);
        return nad->nodeName == other.nodeName && nad->initialNad == other.initialNad && nad->newNad == other.newNad &&
               nad->supplierId == other.supplierId && nad->functionId == other.functionId;
    }
    if (const auto* freeFormat = dynamic_cast<const FreeFormatCommand*>(&a))
        return freeFormat->data == static_cast<const FreeFormatCommand&>(b).data;
    if (const auto* node = dynamic_cast<const NodeCommand*>(&a)) {
        const auto& other = static_cast<const NodeCommand&>(b);
        return node->nodeName == other.nodeName && node->values == other.values;
    }
    return true;  // the empty payload of MasterReq and SlaveResp
}

}  // namespace

bool operator==(const LinNode& a, const LinNode& b) { return a.name == b.name; }

bool operator==(const ConfigurableFrame& a, const ConfigurableFrame& b)
{
    return a.frameName == b.frameName && a.messageId == b.messageId && a.hasMessageId == b.hasMessageId;
}

bool operator==(const NodeAttributes& a, const NodeAttributes& b)
{
    return a.nodeName == b.nodeName && a.protocol == b.protocol && a.unknownProtocol == b.unknownProtocol &&
           a.configuredNad == b.configuredNad && a.supplierId == b.supplierId && a.functionId == b.functionId &&
           a.variant == b.variant && a.responseErrorSignal == b.responseErrorSignal &&
           SameValue(a.p2MinMs, b.p2MinMs) && SameValue(a.stMinMs, b.stMinMs) && a.productIdCount == b.productIdCount &&
           a.configurableFrames == b.configurableFrames && a.initialNad == b.initialNad &&
           a.faultStateSignals == b.faultStateSignals && SameValue(a.nAsTimeoutMs, b.nAsTimeoutMs) &&
           SameValue(a.nCrTimeoutMs, b.nCrTimeoutMs) &&
           SameValue(a.responseTolerancePercent, b.responseTolerancePercent) &&
           SameValue(a.wakeupTimeMs, b.wakeupTimeMs) && SameValue(a.powerOnTimeMs, b.powerOnTimeMs) &&
           a.unread == b.unread;
}

bool operator==(const CompositeNode& a, const CompositeNode& b)
{
    return a.name == b.name && a.logicalNodes == b.logicalNodes;
}

bool operator==(const CompositeConfiguration& a, const CompositeConfiguration& b)
{
    return a.name == b.name && a.compositeNodes == b.compositeNodes && a.unread == b.unread;
}

bool operator==(const DiagnosticAddress& a, const DiagnosticAddress& b)
{
    return a.nodeName == b.nodeName && a.address == b.address;
}

bool operator==(const LinSignal& a, const LinSignal& b)
{
    return a.name == b.name && a.size == b.size && a.initValues == b.initValues && a.publisher == b.publisher &&
           a.subscribers == b.subscribers && a.isByteArray == b.isByteArray && a.fillCount == b.fillCount;
}

bool operator==(const SignalGroup& a, const SignalGroup& b)
{
    return a.name == b.name && a.groupSize == b.groupSize && a.fillCount == b.fillCount &&
           a.signalNames == b.signalNames && a.offsets == b.offsets;
}

bool operator==(const EncodingValue& a, const EncodingValue& b) { return a.value == b.value && a.text == b.text; }

bool operator==(const PhysicalRange& a, const PhysicalRange& b)
{
    return a.min == b.min && a.max == b.max && SameValue(a.scale, b.scale) && SameValue(a.offset, b.offset) &&
           a.text == b.text;
}

bool operator==(const EncodingType& a, const EncodingType& b)
{
    return a.name == b.name && a.logicalValues == b.logicalValues && a.physicalRanges == b.physicalRanges &&
           a.bcdCount == b.bcdCount && a.asciiCount == b.asciiCount && a.unread == b.unread;
}

bool operator==(const SignalRepresentation& a, const SignalRepresentation& b)
{
    return a.encodingName == b.encodingName && a.signalNames == b.signalNames;
}

bool operator==(const LinFrame& a, const LinFrame& b)
{
    return a.name == b.name && a.fillCount == b.fillCount && a.frameId == b.frameId && a.publisher == b.publisher &&
           a.length == b.length && a.signalNames == b.signalNames && a.offsets == b.offsets && a.unread == b.unread;
}

bool operator==(const EventTriggeredFrame& a, const EventTriggeredFrame& b)
{
    return a.name == b.name && a.collisionTable == b.collisionTable && a.frameId == b.frameId &&
           a.fillCount == b.fillCount && a.frameNames == b.frameNames;
}

bool operator==(const SporadicFrame& a, const SporadicFrame& b)
{
    return a.name == b.name && a.frameNames == b.frameNames;
}

bool operator==(const DiagnosticSignal& a, const DiagnosticSignal& b)
{
    return a.name == b.name && a.size == b.size && a.initValue == b.initValue;
}

bool operator==(const DiagnosticFrame& a, const DiagnosticFrame& b)
{
    return a.signalNames == b.signalNames && a.offsets == b.offsets && a.unread == b.unread;
}

bool operator==(const OtherDiagnosticFrame& a, const OtherDiagnosticFrame& b)
{
    return static_cast<const DiagnosticFrame&>(a) == static_cast<const DiagnosticFrame&>(b) && a.name == b.name &&
           a.frameId == b.frameId;
}

bool operator==(const ScheduleEntry& a, const ScheduleEntry& b)
{
    return SameValue(a.delayMs, b.delayMs) && a.kind == b.kind &&
           (a.command && b.command ? SameCommand(*a.command, *b.command) : a.command == b.command);
}

bool operator==(const ScheduleTable& a, const ScheduleTable& b)
{
    return a.name == b.name && a.entries == b.entries && a.unread == b.unread;
}

bool operator==(const KeptStatement& a, const KeptStatement& b)
{
    return a.afterKeyword == b.afterKeyword && a.text == b.text;
}

bool operator==(const UnreadStatement& a, const UnreadStatement& b)
{
    return a.text == b.text && a.line == b.line && a.position == b.position;
}
