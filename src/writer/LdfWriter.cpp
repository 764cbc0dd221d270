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
#include "writer/TextOut.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

// A double quote or line end would end a quoted text early.
bool EndsQuotedText(char c) { return c == '"' || IsLineEnd(c); }

// A text in double quotes, as QuotableText leaves it.
struct Quoted {
    std::string_view text;
};

void AppendPart(TextOut& out, Quoted quoted)
{
    out.Put("\"");
    for (const char& c : quoted.text)
        if (!EndsQuotedText(c))
            out.Append(&c, 1);
    out.Put("\"");
}

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

// The names the text will hold. Signals and frames without a publisher are
// left out, records whose names are not writable too, and so is every
// mention of them: a mention of something the file does not define would be
// dropped on reading, and the text written after reopening would differ
// from this one.
class WrittenNames {
public:
    explicit WrittenNames(const LinNetwork& network) : m_version(network.Version())
    {
        // Indexes of large networks lie far beyond the caches: each name
        // placed once, not again at every growth, saves a miss per name.
        m_signals.Reserve(network.signals.size());
        m_frames.Reserve(network.frames.size());
        m_framesOfFrames.Reserve(network.eventTriggeredFrames.size() + network.sporadicFrames.size());
        m_encodings.Reserve(network.encodingTypes.size());
        for (const auto& signal : network.signals)
            if (!signal->publisher.empty() && IsWritableName(signal->name))
                m_signals.Insert(signal->name);
        for (const auto& frame : network.frames)
            if (!frame->publisher.empty() && IsWritableName(frame->name))
                m_frames.Insert(frame->name);
        for (const auto& frame : network.eventTriggeredFrames)
            if (Writes(*frame))
                m_framesOfFrames.Insert(frame->name);
        for (const auto& frame : network.sporadicFrames)
            if (Writes(*frame))
                m_framesOfFrames.Insert(frame->name);
        for (const auto& type : network.encodingTypes)
            if (IsWritableName(type->name))
                m_encodings.Insert(type->name);
    }

    bool IsSignal(std::string_view name) const { return m_signals.Contains(name); }
    bool IsFrame(std::string_view name) const { return m_frames.Contains(name); }
    // A schedule slot names an unconditional, event-triggered or sporadic frame.
    bool IsSlotFrame(std::string_view name) const { return IsFrame(name) || m_framesOfFrames.Contains(name); }
    bool IsEncoding(const std::string& name) const { return m_encodings.Contains(name); }

    bool NamesAnySignal(const NameList& names) const
    {
        return std::any_of(names.begin(), names.end(), [this](std::string_view name) { return IsSignal(name); });
    }

    // An event-triggered or sporadic frame is written with the frames it names.
    template <typename Frame> bool Writes(const Frame& frame) const
    {
        return IsWritableName(frame.name) && std::any_of(frame.frameNames.begin(), frame.frameNames.end(),
                                                         [this](std::string_view name) { return IsFrame(name); });
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
        case kFrameSlot: {
            const FrameSlotCommand* slot = entry.FrameSlot();
            return slot && IsSlotFrame(slot->frameName);
        }
        case kMasterReq:
        case kSlaveResp:
            return true;
        case kAssignFrameId:
        case kUnassignFrameId: {
            // A command naming an event-triggered or sporadic frame is kept as read.
            const FrameIdCommand* command = entry.FrameId();
            return command && !command->nodeName.empty() && IsSlotFrame(command->frameName);
        }
        case kAssignNad: {
            const AssignNadCommand* command = entry.AssignNad();
            return command && (command->nodeName.empty() || m_version.lin21Forms);
        }
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

private:
    NameIndex m_signals;
    NameIndex m_frames;
    NameIndex m_framesOfFrames;  // the event-triggered and sporadic ones written
    NameIndex m_encodings;
    const lin::VersionRow& m_version;  // what the text's version reads back
};

class LdfTextBuilder {
public:
    // withUnread: the statements kept inside blocks are written in their
    // places; the fixed layout leaves them out. A network read from a file
    // is written back about as long as it was.
    LdfTextBuilder(const LinNetwork& network, bool withUnread)
        : m_net(network), m_written(network), m_out(network.fileText.size()),
          m_keptWritten(network.keptStatements.size()), m_withUnread(withUnread)
    {
    }

    std::string Build()
    {
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
        return m_out.Take();
    }

private:
    template <typename... Parts> void Put(const Parts&... parts) { m_out.Put(parts...); }

    // The statements the reader kept unread, each where it stood: after the
    // section or statement of the keyword that came before it in the file.
    void KeptAfter(std::string_view keyword)
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
        Put(m_net.keptStatements[index].text, "\n\n");
        m_keptWritten[index] = true;
    }

    // The kept statements of a block at positions from..to, each as
    // before + text + after.
    void Unread(const UnreadStatements& statements, const char* before, const char* after, std::size_t from = 0,
                std::size_t to = SIZE_MAX)
    {
        if (m_withUnread)
            for (const UnreadStatement& statement : statements)
                if (statement.position >= from && statement.position <= to)
                    Put(before, statement.text, after);
    }

    // The kept statements of a section's own block, after its records.
    void SectionUnread(const char* section)
    {
        const auto found = m_net.unreadInSections.find(section);
        if (found != m_net.unreadInSections.end())
            Unread(found->second, "\t", "\n");
    }

    // indent, keyword and opening, what writeBody appends, then closing; with
    // leaveOutEmpty, nothing at all when writeBody appends nothing.
    template <typename WriteBody>
    void Block(const char* indent, std::string_view keyword, const char* opening, const char* closing,
               bool leaveOutEmpty, WriteBody writeBody)
    {
        const std::size_t start = m_out.Size();
        Put(indent, keyword, opening);
        const std::size_t bodyStart = m_out.Size();
        writeBody();
        if (leaveOutEmpty && m_out.Size() == bodyStart)
            m_out.TakeBack(start);
        else
            Put(closing);
    }

    // A section of what writeEntries appends, the entries on lines of their
    // own (entriesEndLines: each ends its line; else each begins one).
    template <typename WriteEntries>
    void Section(const char* keyword, bool entriesEndLines, bool leaveOutEmpty, WriteEntries writeEntries)
    {
        Block("", keyword, entriesEndLines ? " {\n" : " {", entriesEndLines ? "}\n\n" : "\n}\n\n", leaveOutEmpty,
              writeEntries);
    }

    // A section LIN 2.1 tools may go without is left out of their text when
    // it holds no entry; LIN 2.0 text always has it.
    template <typename WriteEntries>
    void OptionalSection(const char* keyword, bool entriesEndLines, WriteEntries writeEntries)
    {
        Section(keyword, entriesEndLines, m_net.Version().lin21Forms, writeEntries);
    }

    auto WrittenSignal() const
    {
        return [this](std::string_view name) { return m_written.IsSignal(name); };
    }
    auto WrittenFrame() const
    {
        return [this](std::string_view name) { return m_written.IsFrame(name); };
    }

    void HeaderComment() { Put("/* ", kw::Signature, "\n", m_net.headerComment, "\n*/\n", "\n\n"); }

    void HeaderStatements()
    {
        Put(kw::DescriptionFile, ";\n");
        KeptAfter(kw::DescriptionFile);
        Version(kw::ProtocolVersion, m_net.protocolVersion, m_net.protocolVersionText, "\n");
        KeptAfter(kw::ProtocolVersion);
        Version(kw::LanguageVersion, m_net.languageVersion, m_net.languageVersionText, "\n\n");
        KeptAfter(kw::LanguageVersion);
        Put(kw::Speed, " = ", FormatLdfFloat(m_net.speedKbps), " ", kw::Kbps, ";\n");
        if (m_net.channelName)
            Put(kw::ChannelName, " = ", Quoted{*m_net.channelName}, ";\n");
        if (m_net.fileRevision)
            Put(kw::FileRevision, " = ", Quoted{*m_net.fileRevision}, ";\n");
        if (m_net.byteOrder != SignalByteOrder::NotGiven)
            Put(m_net.byteOrder == SignalByteOrder::BigEndian ? kw::BigEndian : kw::LittleEndian, ";\n");
        Put("\n");
        // Statements kept after any of these follow the whole group.
        for (const char* keyword : {kw::Speed, kw::ChannelName, kw::FileRevision, kw::BigEndian, kw::LittleEndian})
            KeptAfter(keyword);
    }

    void Version(const char* keyword, float version, const std::string& text, const char* after)
    {
        if (IsWritableVersion(version))
            Put(keyword, " = ", Quoted{VersionText(text, version)}, ";", after);
    }

    void Nodes()
    {
        const bool commander = m_net.commanderWords;
        Put(kw::Nodes, " {\n\t", commander ? kw::Commander : kw::Master, ": ", m_net.masterName);
        if (!m_net.MasterTimingStandsIn())
            Put(", ", m_net.timeBaseMs, " ms, ", FormatLdfFloat(m_net.jitterMs), " ms");
        if (m_net.maxHeaderBits >= 0 && m_net.masterTolerancePercent >= 0)
            Put(", ", m_net.maxHeaderBits, " ", kw::Bits, ", ", Number(m_net.masterTolerancePercent), " ", kw::Percent);
        Put(";\n");
        if (!m_net.slaves.empty()) {
            Put("\t", commander ? kw::Responders : kw::Slaves, ": ");
            for (std::size_t i = 0; i < m_net.slaves.size(); ++i)
                Put(i > 0 ? ", " : "", m_net.slaves[i]->name);
            Put(";\n");
        }
        Put("}\n\n");
    }

    // Only files of LIN 1.3 have this section; left out when empty.
    void DiagnosticAddresses()
    {
        Section(kw::DiagnosticAddresses, true, true, [this] {
            for (const auto& address : m_net.diagnosticAddresses)
                if (IsWritableName(address->nodeName))
                    Put("\t", address->nodeName, ": ", address->address, ";\n");
        });
    }

    // The section is left out when it would hold no configuration.
    void Composite()
    {
        Section(kw::Composite, true, true, [this] {
            for (const auto& configuration : m_net.compositeConfigurations) {
                if (!IsWritableName(configuration->name))
                    continue;
                Put("\t", kw::Configuration, " ", configuration->name, " {\n");
                for (const auto& node : configuration->compositeNodes)
                    if (!node->logicalNodes.empty())
                        Put("\t\t", node->name, " {\n\t\t\t", Joined(node->logicalNodes, ", "), "\n\t\t}\n");
                Unread(configuration->unread, "\t\t", "\n");
                Put("\t}\n");
            }
        });
    }

    void Signals()
    {
        Put(kw::Signals, " {\n");
        for (const auto& signal : m_net.signals) {
            if (!m_written.IsSignal(signal->name))
                continue;
            Put("\t", signal->name, ": ", signal->size, ", ");
            // The values the file gave are written without a copy.
            if (signal->initValues.empty())
                InitialValue(*signal, signal->InitialValueInEffect());
            else
                InitialValue(*signal, signal->initValues);
            Put(", ", signal->publisher);
            for (const Name& subscriber : signal->subscribers)
                Put(", ", subscriber);
            Put(";\n");
        }
        Put("}\n\n");
    }

    // The initial value of a signal: a brace list for a byte array, else the
    // first word. Words are 16 bits and print unsigned (-1 was stored as
    // 65535); the reader needs at least one byte of an array.
    template <typename Values> void InitialValue(const LinSignal& signal, const Values& values)
    {
        if (signal.isByteArray)
            Put("{ ", Joined(values, ", "), " }");
        else
            Put(values.front());
    }

    // The signals the file gave, else the standard one-byte signals.
    void DiagnosticSignals()
    {
        Put(kw::DiagnosticSignals, " {");
        // Names were read as words, so every one is writable.
        for (const DiagnosticSignal& signal : DiagnosticSignalsInEffect(m_net))
            Put("\n\t", signal.name, " : ", signal.size, ", ", signal.initValue, ";");
        Put("\n}\n\n");
    }

    // Only LIN 2.0 and older have dynamic frames: a file of a later version
    // gets the block only when it holds ids.
    void DynamicFrames()
    {
        if (!m_net.Version().lin13Sections && m_net.dynamicFrameIds.empty())
            return;
        Put(kw::DynamicFrames, " {\n\t", Joined(m_net.dynamicFrameIds, ","), "\n}\n\n");
    }

    void Frames()
    {
        Put(kw::Frames, " {\n");
        for (const auto& frame : m_net.frames) {
            if (!m_written.IsFrame(frame->name))
                continue;
            Put("\t", frame->name, ": ", frame->frameId, ", ", frame->publisher);
            if (frame->length != 0)
                Put(", ", frame->length);
            Put(" {\n");
            for (std::size_t i = 0; i < frame->signalNames.size(); ++i) {
                if (!m_written.IsSignal(frame->signalNames[i]))
                    continue;
                // Offsets print as the signed numbers they were read from.
                const auto offset = i < frame->offsets.size() ? static_cast<std::int32_t>(frame->offsets[i]) : 0;
                Put("\t\t", frame->signalNames[i], ", ", offset, ";\n");
            }
            Unread(frame->unread, "\t\t", "\n");
            Put("\t}\n");
        }
        SectionUnread(kw::Frames);
        Put("}\n\n");
    }

    void SporadicFrames()
    {
        OptionalSection(kw::SporadicFrames, false, [this] {
            for (const auto& frame : m_net.sporadicFrames)
                if (m_written.Writes(*frame))
                    Put("\n\t", frame->name, ": ", Joined(frame->frameNames, ", ", WrittenFrame()), ";");
        });
    }

    void EventTriggeredFrames()
    {
        OptionalSection(kw::EventTriggeredFrames, false, [this] {
            for (const auto& frame : m_net.eventTriggeredFrames) {
                if (!m_written.Writes(*frame))
                    continue;
                Put("\n\t", frame->name, ": ");
                if (!frame->collisionTable.empty())
                    Put(frame->collisionTable, ", ");
                Put(frame->frameId, ", ", Joined(frame->frameNames, ", ", WrittenFrame()), ";");
            }
        });
    }

    void DiagnosticFrames()
    {
        Put(kw::DiagnosticFrames, " {");
        DiagnosticFrame(kw::MasterReq, kw::MasterReqId, m_net.masterRequest);
        DiagnosticFrame(kw::SlaveResp, kw::SlaveRespId, m_net.slaveResponse);
        for (const OtherDiagnosticFrame& frame : m_net.otherDiagnosticFrames) {
            if (!IsWritableName(frame.name))
                continue;
            Put("\n\t", frame.name, " : ", frame.frameId, " {");
            SignalPlacements(frame);
            Put("\n\t}");
        }
        Put("\n}\n\n");
    }

    // The signals the file placed in the frame, else its eight standard
    // one-byte signals.
    void DiagnosticFrame(const char* name, int id, const ::DiagnosticFrame& frame)
    {
        Put("\n\t", name, " : ", id, " {");
        if (!SignalPlacements(frame))
            SignalPlacements(StandardDiagnosticFrame(name));
        Unread(frame.unread, "\n\t\t", "");
        Put("\n\t}");
    }

    // The frame's signals with a writable name; false when there was none.
    bool SignalPlacements(const ::DiagnosticFrame& frame)
    {
        bool placed = false;
        for (std::size_t i = 0; i < frame.signalNames.size(); ++i) {
            if (!IsWritableName(frame.signalNames[i]))
                continue;
            Put("\n\t\t", frame.signalNames[i], ", ",
                i < frame.offsets.size() ? static_cast<std::int32_t>(frame.offsets[i]) : 0, ";");
            placed = true;
        }
        return placed;
    }

    void NodeAttributesBlock()
    {
        const NameIndex attributesByNode(m_net.nodeAttributes);
        Put(kw::NodeAttributes, " {\n");
        for (const auto& slave : m_net.slaves) {
            const int first = attributesByNode.FirstPosition(slave->name);
            if (first >= 0)
                Attributes(*m_net.nodeAttributes[static_cast<std::size_t>(first)]);
        }
        SectionUnread(kw::NodeAttributes);
        Put("}\n\n");
    }

    void Attributes(const NodeAttributes& attributes)
    {
        Put("\t", attributes.nodeName, " {\n\t\t", kw::LinProtocol, " = ", Quoted{attributes.ProtocolAsWritten()},
            ";\n\t\t", kw::ConfiguredNad, " = ", m_written.WrittenConfiguredNad(attributes), ";\n");
        if (m_written.WritesInitialNad(attributes))
            Statement(kw::InitialNad, attributes.initialNad);
        // Protocols before 2 have none of the following statements.
        if (lin::HasLin2Attributes(attributes.protocol)) {
            if (attributes.HasProductId())
                ProductId(attributes);
            if (m_written.IsSignal(attributes.responseErrorSignal))
                Statement(kw::ResponseError, attributes.responseErrorSignal);
            Block("\t\t", kw::FaultStateSignals, " = ", ";\n", true,
                  [&] { Put(Joined(attributes.faultStateSignals, ", ", WrittenSignal())); });
            Time(kw::P2Min, attributes.p2MinMs, kw::Ms);
            Time(kw::StMin, attributes.stMinMs, kw::Ms);
            Time(kw::NAsTimeout, attributes.nAsTimeoutMs, kw::Ms);
            Time(kw::NCrTimeout, attributes.nCrTimeoutMs, kw::Ms);
            ConfigurableFrames(attributes);
        }
        Time(kw::ResponseTolerance, attributes.responseTolerancePercent, kw::Percent);
        Time(kw::WakeupTime, attributes.wakeupTimeMs, kw::Ms);
        Time(kw::PowerOnTime, attributes.powerOnTimeMs, kw::Ms);
        Unread(attributes.unread, "\t\t", "\n");
        Put("\n\t}\n");
    }

    void ProductId(const NodeAttributes& attributes)
    {
        // LIN 2.1 may leave the variant out; two values given in LIN 2.0 text
        // are written as given, and the checks mark them.
        if (attributes.productIdCount == 2)
            Statement(kw::ProductId, attributes.supplierId, ", ", attributes.functionId);
        else
            Statement(kw::ProductId, attributes.supplierId, ", ", attributes.functionId, ", ", attributes.variant);
    }

    template <typename... Value> void Statement(const char* keyword, const Value&... value)
    {
        Put("\t\t", keyword, " = ", value..., ";\n");
    }

    // A time (or share) the file did not give (-1) is left out.
    void Time(const char* keyword, double value, const char* unit)
    {
        if (value != -1)
            Statement(keyword, Number(value), " ", unit);
    }

    // Each frame as read: with its message id, or (LIN 2.1 text only) by
    // name alone. The block is left out when it would hold no frame.
    void ConfigurableFrames(const NodeAttributes& attributes)
    {
        Block("\t\t", kw::ConfigurableFrames, " {", "\n\t\t}\n", true, [&] {
            for (const auto& frame : attributes.configurableFrames) {
                if (!m_written.IsSlotFrame(frame->frameName) || !(frame->hasMessageId || m_net.Version().lin21Forms))
                    continue;
                Put("\n\t\t\t", frame->frameName);
                if (frame->hasMessageId)
                    Put(" = ", frame->messageId);
                Put(";");
            }
        });
    }

    void ScheduleTables()
    {
        Put(kw::ScheduleTables, " {\n");
        for (const auto& table : m_net.scheduleTables) {
            if (!IsWritableName(table->name))
                continue;
            Put("\t", table->name, " {\n");
            for (std::size_t i = 0; i < table->entries.size(); ++i) {
                Unread(table->unread, "\t\t", "\n", i, i);
                Entry(*table->entries[i]);
            }
            Unread(table->unread, "\t\t", "\n", table->entries.size());
            Put("\t}\n");
        }
        SectionUnread(kw::ScheduleTables);
        Put("}\n\n");
    }

    // One slot line; an entry the file cannot hold writes nothing.
    void Entry(const ScheduleEntry& entry)
    {
        if (!m_written.Writes(entry))
            return;
        if (entry.kind == kFrameSlot) {
            Put("\t\t", entry.FrameSlot()->frameName);
        } else {
            const ScheduleCommandSpec* command = FindScheduleCommand(entry.kind);
            if (!command)
                return;
            Put("\t\t", command->keyword);
            CommandArguments(entry);
        }
        Put(" ", kw::Delay, " ", Number(entry.delayMs), " ", kw::Ms, ";\n");
    }

    // The block of a command's values, in file order, for an entry the file
    // holds (its payload is of its kind).
    void CommandArguments(const ScheduleEntry& entry)
    {
        switch (entry.kind) {
        case kAssignFrameId:
        case kUnassignFrameId: {
            const FrameIdCommand& command = *entry.FrameId();
            Put(" { ", command.nodeName, ", ", command.frameName, " }");
            break;
        }
        case kAssignNad: {
            const AssignNadCommand& command = *entry.AssignNad();
            if (!command.nodeName.empty())
                Put(" { ", command.nodeName, " }");
            else
                Put(" { ", command.initialNad, ", ", command.newNad, ", ", command.supplierId, ", ", command.functionId,
                    " }");
            break;
        }
        case kAssignFrameIdRange:
        case kConditionalChangeNad:
        case kDataDump:
        case kSaveConfiguration: {
            const NodeCommand& command = *entry.Node();
            NodeArguments(command.nodeName, command.values);
            break;
        }
        case kFreeFormat:
            NodeArguments({}, entry.FreeFormat()->data);
            break;
        default:
            break;
        }
    }

    // The slave (when named) and the values; no block when there are neither.
    template <typename Values> void NodeArguments(const std::string& nodeName, const Values& values)
    {
        if (nodeName.empty() && values.empty())
            return;
        Put(" { ", nodeName, nodeName.empty() || values.empty() ? "" : ", ", Joined(values, ", "), " }");
    }

    // Only files of LIN 1.3 have this section; left out when empty.
    void SignalGroups()
    {
        Section(kw::SignalGroups, true, true, [this] {
            for (const auto& group : m_net.signalGroups) {
                if (!IsWritableName(group->name))
                    continue;
                Put("\t", group->name, ": ", group->groupSize, " {\n");
                for (std::size_t i = 0; i < group->signalNames.size() && i < group->offsets.size(); ++i)
                    if (IsWritableName(group->signalNames[i]))
                        Put("\t\t", group->signalNames[i], ", ", static_cast<int>(group->offsets[i]), ";\n");
                Put("\t}\n");
            }
        });
    }

    void EncodingTypes()
    {
        OptionalSection(kw::SignalEncodingTypes, true, [this] {
            for (const auto& type : m_net.encodingTypes) {
                if (!m_written.IsEncoding(type->name))
                    continue;
                Put("\t", type->name, " {\n");
                for (const auto& value : type->logicalValues)
                    Put("\t\t", kw::LogicalValue, ", ", value->value, ", ", Quoted{value->text}, ";\n");
                for (const auto& range : type->physicalRanges)
                    Put("\t\t", kw::PhysicalValue, ", ", range->min, ", ", range->max, ", ",
                        FormatLdfFloat(range->scale), ", ", FormatLdfFloat(range->offset), ", ", Quoted{range->text},
                        ";\n");
                for (int i = 0; i < type->bcdCount; ++i)
                    Put("\t\t", kw::BcdValue, ";\n");
                for (int i = 0; i < type->asciiCount; ++i)
                    Put("\t\t", kw::AsciiValue, ";\n");
                Unread(type->unread, "\t\t", "\n");
                Put("\t}\n");
            }
        });
    }

    void Representations()
    {
        OptionalSection(m_net.Version().SignalRepresentationKeyword(), true, [this] {
            for (const auto& representation : m_net.signalRepresentations)
                if (m_written.IsEncoding(representation->encodingName))
                    Block("\t", representation->encodingName, ": ", ";\n", true,
                          [&] { Put(Joined(representation->signalNames, ", ", WrittenSignal())); });
        });
    }

    const LinNetwork& m_net;
    const WrittenNames m_written;
    TextOut m_out;
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
            else if (!m_written.NamesAnySignal(representation->signalNames))
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
                    Add("Schedule table " + table->name + ", entry " + std::to_string(i + 1), kEntryNamesUnwritten);
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
    kept.erase(std::remove_if(kept.begin(), kept.end(), EndsQuotedText), kept.end());
    return kept;
}

bool IsWritableName(const std::string& name)
{
    for (std::size_t slash = name.find('/'); slash != std::string::npos && slash + 1 < name.size();
         slash = name.find('/', slash + 1))
        if (name[slash + 1] == '/' || name[slash + 1] == '*')
            return false;
    return true;
}

std::string LinNetwork::BuildLdfText() const { return LdfTextBuilder(*this, false).Build(); }

std::string LinNetwork::BuildCompleteLdfText() const { return LdfTextBuilder(*this, true).Build(); }
