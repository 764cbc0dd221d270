#include "NetworkDump.h"

#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/UnreadPlaces.h"

#include <charconv>
#include <sstream>

namespace {

template <typename Number> std::string Exact(Number value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

template <typename Items> std::string List(const Items& items)
{
    std::ostringstream out;
    out << "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << (i > 0 ? ", " : "") << items[i];
    out << "]";
    return out.str();
}

std::string Placed(const NameList& names, const std::vector<std::uint32_t>& offsets)
{
    return "signals " + List(names) + " offsets " + List(offsets);
}

class Dumper {
public:
    std::vector<std::string> lines;

    void Add(const std::string& where, const std::string& value) { lines.push_back(where + " = " + value); }
    void Add(const std::string& where, long long value) { Add(where, std::to_string(value)); }

    void Header(const LinNetwork& n)
    {
        Add("descriptionFileSeen", n.descriptionFileSeen);
        Add("protocolVersion", Exact(n.protocolVersion));
        Add("languageVersion", Exact(n.languageVersion));
        // A version up to LIN 2.0 is kept as its number only.
        Add("protocolVersionText",
            lin::ShowsVersionText(n.protocolVersionText, n.protocolVersion) ? n.protocolVersionText : "");
        Add("languageVersionText",
            lin::ShowsVersionText(n.languageVersionText, n.languageVersion) ? n.languageVersionText : "");
        Add("speedKbps", Exact(n.speedKbps));
        Add("channelName", n.channelName ? "\"" + *n.channelName + "\"" : "none");
        Add("fileRevision", n.fileRevision ? "\"" + *n.fileRevision + "\"" : "none");
        Add("byteOrder", static_cast<int>(n.byteOrder));
        Add("master", n.masterName + ", " + std::to_string(n.timeBaseMs) + " ms, " + Exact(n.jitterMs) + " ms");
        Add("masterTimingStandsIn", n.MasterTimingStandsIn() ? "yes" : "no");
        Add("masterJ2602", std::to_string(n.maxHeaderBits) + " bits, " + Exact(n.masterTolerancePercent) + " %");
        Add("commanderWords", n.commanderWords);
        Add("headerComment", n.headerComment);
        for (const KeptStatement& statement : n.keptStatements)
            Add("keptStatement[" + statement.afterKeyword + "]", statement.text);
        for (const PlacedUnreadStatement& placed : PlacedUnreadStatements(n))
            Add("unreadStatement[" + placed.place + "]", placed.statement.text);
        Add("dynamicFrameIds", List(n.dynamicFrameIds));
    }

    void Nodes(const LinNetwork& n)
    {
        for (const auto& slave : n.slaves)
            Add("slave", slave->name);
        for (const auto& a : n.nodeAttributes) {
            const std::string at = "nodeAttributes[" + a->nodeName + "]";
            Add(at + ".protocol", a->ProtocolAsWritten());
            Add(at + ".configuredNad", a->configuredNad);
            Add(at + ".initialNad", a->initialNad);
            Add(at + ".productId", std::to_string(a->supplierId) + ", " + std::to_string(a->functionId) + ", " +
                                       std::to_string(a->variant) + (a->productIdCount == 2 ? " (no variant)" : ""));
            Add(at + ".responseErrorSignal", a->responseErrorSignal);
            Add(at + ".faultStateSignals", List(a->faultStateSignals));
            Add(at + ".times", Exact(a->p2MinMs) + " " + Exact(a->stMinMs) + " " + Exact(a->nAsTimeoutMs) + " " +
                                   Exact(a->nCrTimeoutMs));
            Add(at + ".j2602",
                Exact(a->responseTolerancePercent) + " % " + Exact(a->wakeupTimeMs) + " " + Exact(a->powerOnTimeMs));
            for (const auto& frame : a->configurableFrames)
                Add(at + ".configurableFrame",
                    frame->frameName + (frame->hasMessageId ? " = " + std::to_string(frame->messageId) : ""));
        }
        for (const auto& configuration : n.compositeConfigurations)
            for (const auto& node : configuration->compositeNodes)
                Add("composite[" + configuration->name + "][" + node->name + "]", List(node->logicalNodes));
        for (const auto& configuration : n.compositeConfigurations)
            Add("compositeConfiguration", configuration->name);
        for (const auto& address : n.diagnosticAddresses)
            Add("diagnosticAddress[" + address->nodeName + "]", address->address);
    }

    void Signals(const LinNetwork& n)
    {
        for (const auto& s : n.signals) {
            const std::string at = "signal[" + s->name + "]";
            Add(at + ".size", s->size);
            Add(at + ".init", std::string(s->isByteArray ? "bytes " : "") + List(s->initValues.ToVector()));
            Add(at + ".publisher", s->publisher);
            Add(at + ".subscribers", List(s->subscribers));
        }
        for (const auto& g : n.signalGroups)
            Add("signalGroup[" + g->name + "]",
                std::to_string(g->groupSize) + " " + Placed(g->signalNames, g->offsets));
        for (const auto& type : n.encodingTypes) {
            const std::string at = "encodingType[" + type->name + "]";
            for (const auto& v : type->logicalValues)
                Add(at + ".logical", std::to_string(v->value) + " \"" + v->text + "\"");
            for (const auto& r : type->physicalRanges)
                Add(at + ".physical", std::to_string(r->min) + ".." + std::to_string(r->max) + " * " + Exact(r->scale) +
                                          " + " + Exact(r->offset) + " \"" + r->text + "\"");
            Add(at + ".bcd/ascii", std::to_string(type->bcdCount) + "/" + std::to_string(type->asciiCount));
        }
        for (const auto& r : n.signalRepresentations)
            Add("representation[" + r->encodingName + "]", List(r->signalNames));
    }

    void Frames(const LinNetwork& n)
    {
        for (const auto& f : n.frames)
            Add("frame[" + f->name + "]", std::to_string(f->frameId) + ", " + f->publisher + ", " +
                                              std::to_string(f->length) + " " + Placed(f->signalNames, f->offsets));
        for (const auto& f : n.eventTriggeredFrames)
            Add("eventTriggeredFrame[" + f->name + "]",
                f->collisionTable + " " + std::to_string(f->frameId) + " " + List(f->frameNames));
        for (const DiagnosticSignal& s : n.diagnosticSignals)
            Add("diagnosticSignal[" + s.name + "]", std::to_string(s.size) + ", " + std::to_string(s.initValue));
        for (const auto& f : n.sporadicFrames)
            Add("sporadicFrame[" + f->name + "]", List(f->frameNames));
        Add("masterRequest", Placed(n.masterRequest.signalNames, n.masterRequest.offsets));
        Add("slaveResponse", Placed(n.slaveResponse.signalNames, n.slaveResponse.offsets));
        for (const OtherDiagnosticFrame& f : n.otherDiagnosticFrames)
            Add("diagnosticFrame[" + f.name + "]", std::to_string(f.frameId) + " " + Placed(f.signalNames, f.offsets));
    }

    void Schedules(const LinNetwork& n)
    {
        for (const auto& table : n.scheduleTables) {
            Add("scheduleTable", table->name);
            for (std::size_t i = 0; i < table->entries.size(); ++i)
                Add("scheduleTable[" + table->name + "][" + std::to_string(i) + "]", Entry(*table->entries[i]));
        }
    }

private:
    static std::string Entry(const ScheduleEntry& e)
    {
        std::string text = "kind " + std::to_string(e.kind) + " delay " + Exact(e.delayMs);
        if (const FrameSlotCommand* slot = e.FrameSlot())
            text += " frame " + slot->frameName;
        if (const FrameIdCommand* command = e.FrameId())
            text += " { " + command->nodeName + ", " + command->frameName + " }";
        if (const NodeCommand* command = e.Node())
            text += " { " + command->nodeName + " " + List(command->values) + " }";
        if (const AssignNadCommand* command = e.AssignNad())
            text += " { " + command->nodeName + " " + std::to_string(command->initialNad) + ", " +
                    std::to_string(command->newNad) + ", " + std::to_string(command->supplierId) + ", " +
                    std::to_string(command->functionId) + " }";
        if (const FreeFormatCommand* command = e.FreeFormat())
            text += " " + List(std::vector<int>(command->data.begin(), command->data.end()));
        return text;
    }
};

}  // namespace

std::vector<std::string> DumpNetwork(const LinNetwork& network)
{
    Dumper dumper;
    dumper.Header(network);
    dumper.Nodes(network);
    dumper.Signals(network);
    dumper.Frames(network);
    dumper.Schedules(network);
    return dumper.lines;
}

std::string CompareNetworks(const LinNetwork& expected, const LinNetwork& actual)
{
    const std::vector<std::string> a = DumpNetwork(expected);
    const std::vector<std::string> b = DumpNetwork(actual);
    for (std::size_t i = 0; i < a.size() || i < b.size(); ++i) {
        const std::string left = i < a.size() ? a[i] : "(nothing)";
        const std::string right = i < b.size() ? b[i] : "(nothing)";
        if (left != right)
            return "first difference at dump line " + std::to_string(i + 1) + ":\n  expected: " + left +
                   "\n  actual:   " + right;
    }
    return {};
}
