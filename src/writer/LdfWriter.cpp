// The LDF text of a network, in one fixed section order and layout. Every
// statement is written so that the reader takes it back; a statement that
// would lack a part the reader needs (a name, a list that must not be empty)
// is left out instead, so that saving and reopening adds no errors.

#include "writer/LdfWriter.h"

#include "ldf/Keywords.h"
#include "ldf/ScheduleCommands.h"
#include "ldf/TextScanner.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/NameIndex.h"
#include "model/StandardDiagnostics.h"
#include "model/VersionTable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

std::string Int(int value) { return std::to_string(value); }

std::string Join(const std::vector<std::string>& items, const char* separator)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += separator;
        text += items[i];
    }
    return text;
}

template <typename Number>

std::string JoinNumbers(const std::vector<Number>& numbers, const char* separator)
{
    std::vector<std::string> items;
    items.reserve(numbers.size());
    for (Number number : numbers)
        items.push_back(Int(static_cast<int>(number)));
    return Join(items, separator);
}

std::string Quoted(const std::string& text) { return "\"" + QuotableText(text) + "\""; }

std::string Number(double value) { return FormatShortestNumber(value); }

// A version is written quoted, where the reader takes digits and full stops
// only; a version that was not given (-1) is left out and stays not given.
bool IsWritableVersion(float version) { return std::isfinite(version) && !std::signbit(version); }

// A version beyond LIN 2.0 is written as the file gave it, while its number
// still stands for it; every other one as its number.
std::string VersionText(const std::string& text, float version)
{
    return lin::ShowsVersionText(text, version) ? text : FormatLdfFloat(version);
}

// The initial value of a signal: a brace list for a byte array, else the
// first word. Words are 16 bits and print unsigned (-1 was stored as 65535).
std::string InitialValue(const LinSignal& signal)
{
    // The reader needs at least one byte of an array.
    const std::vector<std::uint16_t> value = signal.InitialValueInEffect();
    if (!signal.isByteArray)
        return Int(value.front());
    return "{ " + JoinNumbers(value, ", ") + " }";
}

// The names the text will hold. Signals and frames without a publisher are
// left out, records whose names are not writable too, and so is every
// mention of them: a mention of something the file does not define would be
// dropped on reading, and the text written after reopening would differ
// from this one.
class WrittenNames {
public:
    explicit WrittenNames(const LinNetwork& network) : m_version(network.Version())
    {
        for (const auto& signal : network.signals)
            if (!signal->publisher.empty() && IsWritableName(signal->name))
                m_signals.Insert(signal->name);
        for (const auto& frame : network.frames)
            if (!frame->publisher.empty() && IsWritableName(frame->name))
                m_frames.Insert(frame->name);
        // A schedule slot names an unconditional, event-triggered or sporadic frame.
        m_slotFrames = m_frames;
        for (const auto& frame : network.eventTriggeredFrames)
            if (Writes(*frame))
                m_slotFrames.Insert(frame->name);
        for (const auto& frame : network.sporadicFrames)
            if (Writes(*frame))
                m_slotFrames.Insert(frame->name);
        for (const auto& type : network.encodingTypes)
            if (IsWritableName(type->name))
                m_encodings.Insert(type->name);
    }

    bool IsSignal(const std::string& name) const { return m_signals.Contains(name); }
    bool IsFrame(const std::string& name) const { return m_frames.Contains(name); }
    bool IsSlotFrame(const std::string& name) const { return m_slotFrames.Contains(name); }
    bool IsEncoding(const std::string& name) const { return m_encodings.Contains(name); }

    // An event-triggered or sporadic frame is written with the frames it names.
    template <typename Frame> bool Writes(const Frame& frame) const
    {
        return IsWritableName(frame.name) && !Frames(frame.frameNames).empty();
    }

    // Any byte is written as it is, whatever the text's version allows (the
    // reader keeps it); an address beyond a byte would be refused on reading:
    // the configured NAD is written as the one a refused address leaves, the
    // initial NAD not at all.
    static int WrittenConfiguredNad(const NodeAttributes& attributes)
    {
        return lin::IsNodeAddressOfAnyVersion(attributes.configuredNad) ? attributes.configuredNad
                                                                        : NodeAttributes().configuredNad;
    }
    static bool WritesInitialNad(const NodeAttributes& attributes)
    {
        return attributes.initialNad >= 0 && lin::IsNodeAddressOfAnyVersion(attributes.initialNad);
    }

    // A schedule entry is written when the file can hold what it names.
    bool Writes(const ScheduleEntry& entry) const
    {
        switch (entry.kind) {
        case kFrameSlot:
            return entry.FrameSlot() && IsSlotFrame(entry.FrameSlot()->frameName);
        case kMasterReq:
        case kSlaveResp:
            return true;
        case kAssignFrameId:
        case kUnassignFrameId:
            // A command naming an event-triggered or sporadic frame is kept as read.
            return entry.FrameId() && !entry.FrameId()->nodeName.empty() && IsSlotFrame(entry.FrameId()->frameName);
        case kAssignNad:
            return entry.AssignNad() && (entry.AssignNad()->nodeName.empty() || m_version.lin21Forms);
        case kFreeFormat:
            return entry.FreeFormat() != nullptr;
        case kAssignFrameIdRange:
        case kConditionalChangeNad:
        case kDataDump:
        case kSaveConfiguration:
            return WritesNodeCommand(entry);
        default:
            return false;
        }
    }

    // A LIN 2.1 command is written when its block reads back: its slave
    // named where it needs one, and a count of values the text's version takes.
    bool WritesNodeCommand(const ScheduleEntry& entry) const
    {
        const NodeCommand* command = entry.Node();
        const ScheduleCommandSpec* spec = FindScheduleCommand(entry.kind);
        if (!command || !spec || (spec->namesNode && command->nodeName.empty()))
            return false;
        const int count = static_cast<int>(command->values.size()) + (spec->namesNode ? 1 : 0);
        return spec->TakesArguments(count, m_version.lin21Forms);
    }

    std::vector<std::string> Signals(const std::vector<std::string>& names) const { return Kept(names, m_signals); }
    std::vector<std::string> Frames(const std::vector<std::string>& names) const { return Kept(names, m_frames); }

private:
    static std::vector<std::string> Kept(const std::vector<std::string>& names, const NameIndex& index)
    {
        std::vector<std::string> kept;
        for (const std::string& name : names)
            if (index.Contains(name))
                kept.push_back(name);
        return kept;
    }

    NameIndex m_signals;
    NameIndex m_frames;
    NameIndex m_slotFrames;
    NameIndex m_encodings;
    const lin::VersionRow& m_version;  // what the text's version reads back
};

class LdfTextBuilder {
public:
    // withUnread: the statements kept inside blocks are written in their
    // places; the fixed layout leaves them out.
    LdfTextBuilder(const LinNetwork& network, bool withUnread)
        : m_net(network), m_written(network), m_keptWritten(network.keptStatements.size()), m_withUnread(withUnread)
    {
    }

    std::string Build()
    {
        // A network read from a file is written back about as long as it was.
        m_text.reserve(m_net.fileText.size());
        HeaderComment();
        KeptAfter("");
        HeaderStatements();
        Nodes();
        KeptAfter(kw::Nodes);
        DiagnosticAddresses();
        KeptAfter(kw::DiagnosticAddresses);
        Composite();
        KeptAfter(kw::Composite);
        Signals();
        KeptAfter(kw::Signals);
        DiagnosticSignals();
        KeptAfter(kw::DiagnosticSignals);
        DynamicFrames();
        KeptAfter(kw::DynamicFrames);
        Frames();
        KeptAfter(kw::Frames);
        SporadicFrames();
        KeptAfter(kw::SporadicFrames);
        EventTriggeredFrames();
        KeptAfter(kw::EventTriggeredFrames);
        DiagnosticFrames();
        KeptAfter(kw::DiagnosticFrames);
        NodeAttributesBlock();
        KeptAfter(kw::NodeAttributes);
        ScheduleTables();
        KeptAfter(kw::ScheduleTables);
        SignalGroups();
        KeptAfter(kw::SignalGroups);
        EncodingTypes();
        KeptAfter(kw::SignalEncodingTypes);
        Representations();
        KeptAfter(kw::SignalRepresentation);
        KeptNotYetWritten();
        return std::move(m_text);
    }

private:
    // The statements the reader kept unread, each where it stood: after the
    // section or statement of the keyword that came before it in the file.
    void KeptAfter(const std::string& keyword)
    {
        for (std::size_t i = 0; i < m_net.keptStatements.size(); ++i)
            if (!m_keptWritten[i] && m_net.keptStatements[i].afterKeyword == keyword)
                WriteKept(i);
    }

    // Those after sections the writer leaves out go at the end.
    void KeptNotYetWritten()
    {
        for (std::size_t i = 0; i < m_keptWritten.size(); ++i)
            if (!m_keptWritten[i])
                WriteKept(i);
    }

    void WriteKept(std::size_t index)
    {
        m_text += m_net.keptStatements[index].text + "\n\n";
        m_keptWritten[index] = true;
    }

    // The kept statements of a block at positions from..to, each as
    // before + text + after.
    std::string UnreadText(const UnreadStatements& statements, const char* before, const char* after,
                           std::size_t from = 0, std::size_t to = SIZE_MAX) const
    {
        std::string text;
        if (m_withUnread)
            for (const UnreadStatement& statement : statements)
                if (statement.position >= from && statement.position <= to)
                    text += before + statement.text + after;
        return text;
    }

    // The kept statements of a section's own block, after its records.
    std::string SectionUnreadText(const char* section) const
    {
        const auto found = m_net.unreadInSections.find(section);
        return found == m_net.unreadInSections.end() ? std::string() : UnreadText(found->second, "\t", "\n");
    }

    void HeaderComment()
    {
        m_text += std::string("/* ") + kw::Signature + "\n" + m_net.headerComment + "\n*/\n" + "\n\n";
    }

    void HeaderStatements()
    {
        m_text += std::string(kw::DescriptionFile) + ";\n";
        KeptAfter(kw::DescriptionFile);
        Version(kw::ProtocolVersion, m_net.protocolVersion, m_net.protocolVersionText, "\n");
        KeptAfter(kw::ProtocolVersion);
        Version(kw::LanguageVersion, m_net.languageVersion, m_net.languageVersionText, "\n\n");
        KeptAfter(kw::LanguageVersion);
        m_text += std::string(kw::Speed) + " = " + FormatLdfFloat(m_net.speedKbps) + " " + kw::Kbps + ";\n";
        if (m_net.channelName)
            m_text += std::string(kw::ChannelName) + " = " + Quoted(*m_net.channelName) + ";\n";
        if (m_net.fileRevision)
            m_text += std::string(kw::FileRevision) + " = " + Quoted(*m_net.fileRevision) + ";\n";
        if (m_net.byteOrder != SignalByteOrder::NotGiven)
            m_text +=
                std::string(m_net.byteOrder == SignalByteOrder::BigEndian ? kw::BigEndian : kw::LittleEndian) + ";\n";
        m_text += "\n";
        // Statements kept after any of these follow the whole group.
        for (const char* keyword : {kw::Speed, kw::ChannelName, kw::FileRevision, kw::BigEndian, kw::LittleEndian})
            KeptAfter(keyword);
    }

    void Version(const char* keyword, float version, const std::string& text, const char* after)
    {
        if (IsWritableVersion(version))
            m_text += std::string(keyword) + " = " + Quoted(VersionText(text, version)) + ";" + after;
    }

    void Nodes()
    {
        const bool commander = m_net.commanderWords;
        m_text +=
            std::string(kw::Nodes) + " {\n\t" + (commander ? kw::Commander : kw::Master) + ": " + m_net.masterName;
        if (!m_net.MasterTimingStandsIn())
            m_text += ", " + Int(m_net.timeBaseMs) + " ms, " + FormatLdfFloat(m_net.jitterMs) + " ms";
        if (m_net.maxHeaderBits >= 0 && m_net.masterTolerancePercent >= 0)
            m_text += ", " + Int(m_net.maxHeaderBits) + " " + kw::Bits + ", " + Number(m_net.masterTolerancePercent) +
                      " " + kw::Percent;
        m_text += ";\n";
        if (!m_net.slaves.empty()) {
            std::vector<std::string> names;
            for (const auto& slave : m_net.slaves)
                names.push_back(slave->name);
            m_text += std::string("\t") + (commander ? kw::Responders : kw::Slaves) + ": " + Join(names, ", ") + ";\n";
        }
        m_text += "}\n\n";
    }

    // Only files of LIN 1.3 have this section; left out when empty.
    void DiagnosticAddresses()
    {
        std::string addresses;
        for (const auto& address : m_net.diagnosticAddresses)
            if (IsWritableName(address->nodeName))
                addresses += "\t" + address->nodeName + ": " + Int(address->address) + ";\n";
        if (!addresses.empty())
            m_text += std::string(kw::DiagnosticAddresses) + " {\n" + addresses + "}\n\n";
    }

    // The section is left out when it would hold no configuration.
    void Composite()
    {
        std::string configurations;
        for (const auto& configuration : m_net.compositeConfigurations) {
            if (!IsWritableName(configuration->name))
                continue;
            configurations += std::string("\t") + kw::Configuration + " " + configuration->name + " {\n";
            for (const auto& node : configuration->compositeNodes)
                if (!node->logicalNodes.empty())
                    configurations += "\t\t" + node->name + " {\n\t\t\t" + Join(node->logicalNodes, ", ") + "\n\t\t}\n";
            configurations += UnreadText(configuration->unread, "\t\t", "\n") + "\t}\n";
        }
        if (!configurations.empty())
            m_text += std::string(kw::Composite) + " {\n" + configurations + "}\n\n";
    }

    void Signals()
    {
        m_text += std::string(kw::Signals) + " {\n";
        for (const auto& signal : m_net.signals) {
            if (!m_written.IsSignal(signal->name))
                continue;
            m_text += "\t" + signal->name + ": " + Int(signal->size) + ", " + InitialValue(*signal) + ", " +
                      signal->publisher;
            for (const std::string& subscriber : signal->subscribers)
                m_text += ", " + subscriber;
            m_text += ";\n";
        }
        m_text += "}\n\n";
    }

    // The signals the file gave, else the standard one-byte signals.
    void DiagnosticSignals()
    {
        m_text += std::string(kw::DiagnosticSignals) + " {";
        // Names were read as words, so every one is writable.
        for (const DiagnosticSignal& signal : DiagnosticSignalsInEffect(m_net))
            m_text += "\n\t" + signal.name + " : " + Int(signal.size) + ", " + Int(signal.initValue) + ";";
        m_text += "\n}\n\n";
    }

    // Only LIN 2.0 and older have dynamic frames: a file of a later version
    // gets the block only when it holds ids.
    void DynamicFrames()
    {
        if (!m_net.Version().lin13Sections && m_net.dynamicFrameIds.empty())
            return;
        m_text += std::string(kw::DynamicFrames) + " {\n\t" + JoinNumbers(m_net.dynamicFrameIds, ",") + "\n}\n\n";
    }

    void Frames()
    {
        m_text += std::string(kw::Frames) + " {\n";
        for (const auto& frame : m_net.frames) {
            if (!m_written.IsFrame(frame->name))
                continue;
            m_text += "\t" + frame->name + ": " + Int(frame->frameId) + ", " + frame->publisher;
            if (frame->length != 0)
                m_text += ", " + Int(frame->length);
            m_text += " {\n";
            for (std::size_t i = 0; i < frame->signalNames.size(); ++i) {
                if (!m_written.IsSignal(frame->signalNames[i]))
                    continue;
                // Offsets print as the signed numbers they were read from.
                const auto offset = i < frame->offsets.size() ? static_cast<std::int32_t>(frame->offsets[i]) : 0;
                m_text += "\t\t" + frame->signalNames[i] + ", " + Int(offset) + ";\n";
            }
            m_text += UnreadText(frame->unread, "\t\t", "\n") + "\t}\n";
        }
        m_text += SectionUnreadText(kw::Frames) + "}\n\n";
    }

    // A section LIN 2.1 tools may go without is left out of their text when
    // it holds no entry; LIN 2.0 text always has it.
    void OptionalSection(const char* keyword, const std::string& entries, bool entriesEndLines)
    {
        if (entries.empty() && m_net.Version().lin21Forms)
            return;
        m_text += std::string(keyword) + " {" + (entriesEndLines ? "\n" + entries : entries + "\n") + "}\n\n";
    }

    void SporadicFrames()
    {
        std::string entries;
        for (const auto& frame : m_net.sporadicFrames)
            if (m_written.Writes(*frame))
                entries += "\n\t" + frame->name + ": " + Join(m_written.Frames(frame->frameNames), ", ") + ";";
        OptionalSection(kw::SporadicFrames, entries, false);
    }

    void EventTriggeredFrames()
    {
        std::string entries;
        for (const auto& frame : m_net.eventTriggeredFrames) {
            if (!m_written.Writes(*frame))
                continue;
            entries += "\n\t" + frame->name + ": ";
            if (!frame->collisionTable.empty())
                entries += frame->collisionTable + ", ";
            entries += Int(frame->frameId);
            for (const std::string& name : m_written.Frames(frame->frameNames))
                entries += ", " + name;
            entries += ";";
        }
        OptionalSection(kw::EventTriggeredFrames, entries, false);
    }

    void DiagnosticFrames()
    {
        m_text += std::string(kw::DiagnosticFrames) + " {";
        DiagnosticFrame(kw::MasterReq, kw::MasterReqId, m_net.masterRequest);
        DiagnosticFrame(kw::SlaveResp, kw::SlaveRespId, m_net.slaveResponse);
        for (const OtherDiagnosticFrame& frame : m_net.otherDiagnosticFrames) {
            if (!IsWritableName(frame.name))
                continue;
            m_text += "\n\t" + frame.name + " : " + Int(frame.frameId) + " {";
            SignalPlacements(frame);
            m_text += "\n\t}";
        }
        m_text += "\n}\n\n";
    }

    // The signals the file placed in the frame, else its eight standard
    // one-byte signals.
    void DiagnosticFrame(const char* name, int id, const ::DiagnosticFrame& frame)
    {
        m_text += std::string("\n\t") + name + " : " + Int(id) + " {";
        if (!SignalPlacements(frame))
            SignalPlacements(StandardDiagnosticFrame(name));
        m_text += UnreadText(frame.unread, "\n\t\t", "") + "\n\t}";
    }

    // The frame's signals with a writable name; false when there was none.
    bool SignalPlacements(const ::DiagnosticFrame& frame)
    {
        bool placed = false;
        for (std::size_t i = 0; i < frame.signalNames.size(); ++i) {
            if (!IsWritableName(frame.signalNames[i]))
                continue;
            m_text += "\n\t\t" + frame.signalNames[i] + ", " +
                      Int(i < frame.offsets.size() ? static_cast<std::int32_t>(frame.offsets[i]) : 0) + ";";
            placed = true;
        }
        return placed;
    }

    void NodeAttributesBlock()
    {
        const NameIndex attributesByNode(m_net.nodeAttributes);
        m_text += std::string(kw::NodeAttributes) + " {\n";
        for (const auto& slave : m_net.slaves) {
            const int first = attributesByNode.FirstPosition(slave->name);
            if (first >= 0)
                Attributes(*m_net.nodeAttributes[static_cast<std::size_t>(first)]);
        }
        m_text += SectionUnreadText(kw::NodeAttributes) + "}\n\n";
    }

    void Attributes(const NodeAttributes& attributes)
    {
        m_text += "\t" + attributes.nodeName + " {\n\t\t" + kw::LinProtocol + " = " +
                  Quoted(attributes.ProtocolAsWritten()) + ";\n\t\t" + kw::ConfiguredNad + " = " +
                  Int(m_written.WrittenConfiguredNad(attributes)) + ";\n";
        if (m_written.WritesInitialNad(attributes))
            Statement(kw::InitialNad, Int(attributes.initialNad));
        // Protocols before 2 have none of the following statements.
        if (lin::HasLin2Attributes(attributes.protocol)) {
            if (attributes.HasProductId())
                ProductId(attributes);
            if (m_written.IsSignal(attributes.responseErrorSignal))
                Statement(kw::ResponseError, attributes.responseErrorSignal);
            const std::vector<std::string> faultSignals = m_written.Signals(attributes.faultStateSignals);
            if (!faultSignals.empty())
                Statement(kw::FaultStateSignals, Join(faultSignals, ", "));
            Time(kw::P2Min, attributes.p2MinMs, kw::Ms);
            Time(kw::StMin, attributes.stMinMs, kw::Ms);
            Time(kw::NAsTimeout, attributes.nAsTimeoutMs, kw::Ms);
            Time(kw::NCrTimeout, attributes.nCrTimeoutMs, kw::Ms);
            ConfigurableFrames(attributes);
        }
        Time(kw::ResponseTolerance, attributes.responseTolerancePercent, kw::Percent);
        Time(kw::WakeupTime, attributes.wakeupTimeMs, kw::Ms);
        Time(kw::PowerOnTime, attributes.powerOnTimeMs, kw::Ms);
        m_text += UnreadText(attributes.unread, "\t\t", "\n") + "\n\t}\n";
    }

    void ProductId(const NodeAttributes& attributes)
    {
        std::string productId = Int(attributes.supplierId) + ", " + Int(attributes.functionId);
        // LIN 2.1 may leave the variant out; two values given in LIN 2.0 text
        // are written as given, and the checks mark them.
        if (attributes.productIdCount != 2)
            productId += ", " + Int(attributes.variant);
        Statement(kw::ProductId, productId);
    }

    void Statement(const char* keyword, const std::string& value)
    {
        m_text += std::string("\t\t") + keyword + " = " + value + ";\n";
    }

    // A time (or share) the file did not give (-1) is left out.
    void Time(const char* keyword, double value, const char* unit)
    {
        if (value != -1)
            Statement(keyword, Number(value) + " " + unit);
    }

    // Each frame as read: with its message id, or (LIN 2.1 text only) by name alone.
    void ConfigurableFrames(const NodeAttributes& attributes)
    {
        std::string configurable;
        for (const auto& frame : attributes.configurableFrames)
            if (m_written.IsSlotFrame(frame->frameName) && (frame->hasMessageId || m_net.Version().lin21Forms))
                configurable += "\n\t\t\t" + frame->frameName +
                                (frame->hasMessageId ? " = " + Int(frame->messageId) : std::string()) + ";";
        if (!configurable.empty())
            m_text += std::string("\t\t") + kw::ConfigurableFrames + " {" + configurable + "\n\t\t}\n";
    }

    void ScheduleTables()
    {
        m_text += std::string(kw::ScheduleTables) + " {\n";
        for (const auto& table : m_net.scheduleTables) {
            if (!IsWritableName(table->name))
                continue;
            m_text += "\t" + table->name + " {\n";
            for (std::size_t i = 0; i < table->entries.size(); ++i) {
                m_text += UnreadText(table->unread, "\t\t", "\n", i, i);
                Entry(*table->entries[i]);
            }
            m_text += UnreadText(table->unread, "\t\t", "\n", table->entries.size()) + "\t}\n";
        }
        m_text += SectionUnreadText(kw::ScheduleTables) + "}\n\n";
    }

    // One slot line; an entry the file cannot hold writes nothing.
    void Entry(const ScheduleEntry& entry)
    {
        if (!m_written.Writes(entry))
            return;
        const std::string delay = std::string(kw::Delay) + " " + Number(entry.delayMs) + " " + kw::Ms + ";\n";
        if (entry.kind == kFrameSlot) {
            m_text += "\t\t" + entry.FrameSlot()->frameName + " " + delay;
            return;
        }
        const ScheduleCommandSpec* command = FindScheduleCommand(entry.kind);
        if (!command)
            return;
        const std::vector<std::string> arguments = CommandArguments(entry);
        m_text += std::string("\t\t") + command->keyword;
        if (!arguments.empty())
            m_text += " { " + Join(arguments, ", ") + " }";
        m_text += " " + delay;
    }

    // The values of a command's block, in file order, for an entry the file
    // holds (its payload is of its kind).
    static std::vector<std::string> CommandArguments(const ScheduleEntry& entry)
    {
        switch (entry.kind) {
        case kAssignFrameId:
        case kUnassignFrameId:
            return {entry.FrameId()->nodeName, entry.FrameId()->frameName};
        case kAssignNad: {
            const AssignNadCommand& command = *entry.AssignNad();
            if (!command.nodeName.empty())
                return {command.nodeName};
            return {Int(command.initialNad), Int(command.newNad), Int(command.supplierId), Int(command.functionId)};
        }
        case kAssignFrameIdRange:
        case kConditionalChangeNad:
        case kDataDump:
        case kSaveConfiguration: {
            const NodeCommand& command = *entry.Node();
            std::vector<std::string> arguments;
            if (!command.nodeName.empty())
                arguments.push_back(command.nodeName);
            for (int value : command.values)
                arguments.push_back(Int(value));
            return arguments;
        }
        case kFreeFormat: {
            std::vector<std::string> arguments;
            for (int value : entry.FreeFormat()->data)
                arguments.push_back(Int(value));
            return arguments;
        }
        default:
            return {};
        }
    }

    // Only files of LIN 1.3 have this section; left out when empty.
    void SignalGroups()
    {
        std::string groups;
        for (const auto& group : m_net.signalGroups) {
            if (!IsWritableName(group->name))
                continue;
            groups += "\t" + group->name + ": " + Int(group->groupSize) + " {\n";
            for (std::size_t i = 0; i < group->signalNames.size() && i < group->offsets.size(); ++i)
                if (IsWritableName(group->signalNames[i]))
                    groups += "\t\t" + group->signalNames[i] + ", " + Int(static_cast<int>(group->offsets[i])) + ";\n";
            groups += "\t}\n";
        }
        if (!groups.empty())
            m_text += std::string(kw::SignalGroups) + " {\n" + groups + "}\n\n";
    }

    void EncodingTypes()
    {
        std::string entries;
        for (const auto& type : m_net.encodingTypes) {
            if (!m_written.IsEncoding(type->name))
                continue;
            entries += "\t" + type->name + " {\n";
            for (const auto& value : type->logicalValues)
                entries += std::string("\t\t") + kw::LogicalValue + ", " + Int(value->value) + ", " +
                           Quoted(value->text) + ";\n";
            for (const auto& range : type->physicalRanges)
                entries += std::string("\t\t") + kw::PhysicalValue + ", " + Int(range->min) + ", " + Int(range->max) +
                           ", " + FormatLdfFloat(range->scale) + ", " + FormatLdfFloat(range->offset) + ", " +
                           Quoted(range->text) + ";\n";
            for (int i = 0; i < type->bcdCount; ++i)
                entries += std::string("\t\t") + kw::BcdValue + ";\n";
            for (int i = 0; i < type->asciiCount; ++i)
                entries += std::string("\t\t") + kw::AsciiValue + ";\n";
            entries += UnreadText(type->unread, "\t\t", "\n") + "\t}\n";
        }
        OptionalSection(kw::SignalEncodingTypes, entries, true);
    }

    void Representations()
    {
        std::string entries;
        for (const auto& representation : m_net.signalRepresentations) {
            const std::vector<std::string> signalNames = m_written.Signals(representation->signalNames);
            if (m_written.IsEncoding(representation->encodingName) && !signalNames.empty())
                entries += "\t" + representation->encodingName + ": " + Join(signalNames, ", ") + ";\n";
        }
        OptionalSection(m_net.Version().SignalRepresentationKeyword(), entries, true);
    }

    const LinNetwork& m_net;
    const WrittenNames m_written;
    std::string m_text;
    std::vector<bool> m_keptWritten;
    bool m_withUnread;
};

// Shown to users verbatim; keep the spelling.
const char* const kCommentName = "its name would begin a comment";
const char* const kNoPublisher = "no publisher";
const char* const kNoLogicalNodes = "no logical nodes";
const char* const kNoWrittenFrame = "none of its frames is written";
const char* const kNoSlave = "no slave of that name";
const char* const kNoMessageId = "named without a message id, which only LIN 2.1 text allows";
const char* const kNadWrittenAsDefault = "an address the text's LIN version cannot hold, written as 127";
const char* const kNadLeftOut = "an address the text's LIN version cannot hold";
const char* const kSecondAttributes = "the slave's first attributes are written instead";
const char* const kEntryNamesUnwritten = "names no frame or node that is written";
const char* const kNoEncoding = "its encoding type is not written";
const char* const kNoWrittenSignal = "none of its signals is written";

// Collects the records left out, section by section, with the writer's own
// decisions (WrittenNames), so that the list and the text always agree.
class LeftOutFinder {
public:
    explicit LeftOutFinder(const LinNetwork& network) : m_net(network), m_written(network) {}

    std::vector<LeftOutRecord> Find()
    {
        Composite();
        for (const auto& signal : m_net.signals)
            if (!m_written.IsSignal(signal->name))
                Add("Signal " + signal->name, signal->publisher.empty() ? kNoPublisher : kCommentName);
        for (const auto& group : m_net.signalGroups)
            if (!IsWritableName(group->name))
                Add("Signal group " + group->name, kCommentName);
        for (const auto& frame : m_net.frames)
            if (!m_written.IsFrame(frame->name))
                Add("Frame " + frame->name, frame->publisher.empty() ? kNoPublisher : kCommentName);
        FramesOfFrames("Sporadic frame ", m_net.sporadicFrames);
        FramesOfFrames("Event-triggered frame ", m_net.eventTriggeredFrames);
        Attributes();
        for (const auto& address : m_net.diagnosticAddresses)
            if (!IsWritableName(address->nodeName))
                Add("Diagnostic address of " + address->nodeName, kCommentName);
        ScheduleTables();
        for (const auto& type : m_net.encodingTypes)
            if (!m_written.IsEncoding(type->name))
                Add("Encoding type " + type->name, kCommentName);
        Representations();
        return std::move(m_left);
    }

private:
    void Add(std::string record, const char* reason) { m_left.push_back({std::move(record), reason}); }

    // A representation without signals holds nothing to lose.
    void Representations()
    {
        for (const auto& representation : m_net.signalRepresentations) {
            if (representation->signalNames.empty())
                continue;
            if (!m_written.IsEncoding(representation->encodingName))
                Add("Representation " + representation->encodingName, kNoEncoding);
            else if (m_written.Signals(representation->signalNames).empty())
                Add("Representation " + representation->encodingName, kNoWrittenSignal);
        }
    }

    void Composite()
    {
        for (const auto& configuration : m_net.compositeConfigurations) {
            if (!IsWritableName(configuration->name)) {
                Add("Configuration " + configuration->name, kCommentName);
                continue;
            }
            for (const auto& node : configuration->compositeNodes)
                if (node->logicalNodes.empty())
                    Add("Composite node " + configuration->name + " / " + node->name, kNoLogicalNodes);
        }
    }

    template <typename Frame> void FramesOfFrames(const std::string& kind, const OwnedList<Frame>& frames)
    {
        for (const auto& frame : frames)
            if (!m_written.Writes(*frame))
                Add(kind + frame->name, IsWritableName(frame->name) ? kNoWrittenFrame : kCommentName);
    }

    void Attributes()
    {
        const NameIndex slaves(m_net.slaves);
        const NameIndex attributesByNode(m_net.nodeAttributes);
        for (std::size_t i = 0; i < m_net.nodeAttributes.size(); ++i) {
            const std::string& node = m_net.nodeAttributes[i]->nodeName;
            if (!slaves.Contains(node))
                Add("Node attributes of " + node, kNoSlave);
            else if (attributesByNode.FirstPosition(node) != static_cast<int>(i))
                Add("Node attributes of " + node, kSecondAttributes);
            else
                PartsLeftOut(*m_net.nodeAttributes[i]);
        }
    }

    // The parts of a slave's written attributes that its text cannot hold.
    void PartsLeftOut(const NodeAttributes& attributes)
    {
        if (m_written.WrittenConfiguredNad(attributes) != attributes.configuredNad)
            Add("Configured NAD of " + attributes.nodeName, kNadWrittenAsDefault);
        if (attributes.initialNad >= 0 && !m_written.WritesInitialNad(attributes))
            Add("Initial NAD of " + attributes.nodeName, kNadLeftOut);
        if (!m_net.Version().lin21Forms)
            for (const auto& frame : attributes.configurableFrames)
                if (!frame->hasMessageId)
                    Add("Configurable frame " + frame->frameName + " of " + attributes.nodeName, kNoMessageId);
    }

    void ScheduleTables()
    {
        for (const auto& table : m_net.scheduleTables) {
            if (!IsWritableName(table->name)) {
                Add("Schedule table " + table->name, kCommentName);
                continue;
            }
            for (std::size_t i = 0; i < table->entries.size(); ++i)
                if (!m_written.Writes(*table->entries[i]))
                    Add("Schedule table " + table->name + ", entry " + Int(static_cast<int>(i) + 1),
                        kEntryNamesUnwritten);
        }
    }

    const LinNetwork& m_net;
    const WrittenNames m_written;
    std::vector<LeftOutRecord> m_left;
};

}  // namespace

std::vector<LeftOutRecord> RecordsLeftOut(const LinNetwork& network) { return LeftOutFinder(network).Find(); }

std::string FormatLeftOut(const LeftOutRecord& leftOut) { return leftOut.record + ": " + leftOut.reason; }

std::string QuotableText(const std::string& text)
{
    std::string kept = text;
    kept.erase(std::remove_if(kept.begin(), kept.end(), [](char c) { return c == '"' || IsLineEnd(c); }), kept.end());
    return kept;
}

bool IsWritableName(const std::string& name)
{
    return name.find("//") == std::string::npos && name.find("/*") == std::string::npos;
}

std::string LinNetwork::BuildLdfText() const { return LdfTextBuilder(*this, false).Build(); }

std::string LinNetwork::BuildCompleteLdfText() const { return LdfTextBuilder(*this, true).Build(); }
