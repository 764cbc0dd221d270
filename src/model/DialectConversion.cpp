#include "model/DialectConversion.h"

#include "ldf/Keywords.h"
#include "ldf/ScheduleCommands.h"
#include "model/EraseIf.h"
#include "model/LinVersion.h"
#include "model/NameIndex.h"
#include "model/UnreadPlaces.h"
#include "model/VersionTable.h"

#include <map>
#include <tuple>
#include <utility>

namespace {

using lin::Dialect;

// The first word of a kept statement: its keyword.
std::string StatementKeyword(const std::string& text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos)
        return {};
    const std::size_t end = text.find_first_of(" \t\r\n={;", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Rewrites one network into the target dialect and lists what it cannot hold.
class DialectConverter {
public:
    DialectConverter(NetworkContent& network, Dialect target)
        : m_net(network), m_target(target), m_version(lin::RowOf(target)),
          m_sameDialect(lin::DialectOf(network) == target), m_notIn(" is not in " + lin::DialectCaption(target))
    {
    }

    std::vector<ConversionLoss> Run()
    {
        Header();
        Master();
        Lin13Sections();
        Composite();
        Frames();
        EventTriggeredFrames();
        // AssignNAD spells out the initial NADs the attributes may lose.
        std::vector<int> initialNads;
        for (const auto& attributes : m_net.nodeAttributes)
            initialNads.push_back(InitialNadOf(*attributes));
        Attributes();
        ScheduleTables(initialNads);
        KeptStatements();
        return std::move(m_losses);
    }

private:
    void Lose(std::string record, const std::string& what) { m_losses.push_back({std::move(record), what + m_notIn}); }
    void LoseBecause(std::string record, std::string reason)
    {
        m_losses.push_back({std::move(record), std::move(reason)});
    }

    // A network of the dialect keeps its own version texts: an edition
    // year, a protocol version older than the language.
    void Header()
    {
        if (!m_sameDialect) {
            m_net.protocolVersionText = lin::DialectProtocolVersion(m_target);
            m_net.languageVersionText = lin::DialectLanguageVersion(m_target);
            m_net.protocolVersion = static_cast<float>(lin::VersionNumber(m_net.protocolVersionText));
            m_net.languageVersion = static_cast<float>(lin::VersionNumber(m_net.languageVersionText));
        }
        if (m_net.channelName && !m_version.lin21Statements) {
            Lose("Header", kw::ChannelName);
            m_net.channelName.reset();
        }
        if (m_net.fileRevision && !m_version.isoHeader) {
            Lose("Header", kw::FileRevision);
            m_net.fileRevision.reset();
        }
        if (m_net.byteOrder != SignalByteOrder::NotGiven && !m_version.isoHeader) {
            Lose("Header", m_net.byteOrder == SignalByteOrder::BigEndian ? kw::BigEndian : kw::LittleEndian);
            m_net.byteOrder = SignalByteOrder::NotGiven;
        }
    }

    void Master()
    {
        m_net.commanderWords = false;
        if ((m_net.maxHeaderBits >= 0 || m_net.masterTolerancePercent >= 0) && !m_version.j2602Timings) {
            Lose(std::string(kw::Master) + " " + m_net.masterName, "the pair of header length and response tolerance");
            m_net.maxHeaderBits = -1;
            m_net.masterTolerancePercent = -1;
        }
    }

    void Lin13Sections()
    {
        if (m_version.lin13Sections)
            return;
        if (!m_net.dynamicFrameIds.empty())
            Lose("Dynamic frames", kw::DynamicFrames);
        m_net.dynamicFrameIds.clear();
        for (const auto& address : m_net.diagnosticAddresses)
            Lose("Diagnostic address of " + address->nodeName, kw::DiagnosticAddresses);
        m_net.diagnosticAddresses.clear();
    }

    void Composite()
    {
        if (m_version.lin21Statements)
            return;
        for (const auto& configuration : m_net.compositeConfigurations)
            Lose("Configuration " + configuration->name, kw::Composite);
        m_net.compositeConfigurations.clear();
    }

    // LIN 2.1 tools need every frame's length: the one its id implies.
    void Frames()
    {
        if (!m_version.lin21Statements)
            return;
        for (const auto& frame : m_net.frames)
            if (frame->length == 0)
                frame->length = DefaultFrameLength(frame->frameId);
    }

    void EventTriggeredFrames()
    {
        if (m_version.lin21Statements)
            return;
        for (const auto& frame : m_net.eventTriggeredFrames) {
            if (frame->collisionTable.empty())
                continue;
            Lose("Event-triggered frame " + frame->name, "a collision-resolving schedule table");
            frame->collisionTable.clear();
        }
    }

    void Attributes()
    {
        const double highestProtocol = lin::VersionNumber(lin::DialectNodeProtocol(m_target));
        for (const auto& attributes : m_net.nodeAttributes) {
            // A file of the dialect may well hold a node of a later version.
            if (!m_sameDialect && lin::VersionNumber(attributes->protocol) > highestProtocol)
                attributes->protocol = lin::DialectNodeProtocol(m_target);
            if (!m_version.lin21Statements)
                DropLin21Attributes(*attributes);
            if (!m_version.j2602Timings)
                DropJ2602Attributes(*attributes);
        }
    }

    void DropLin21Attributes(NodeAttributes& attributes)
    {
        const std::string record = "Node attributes of " + attributes.nodeName;
        // The variant the two-value form leaves out is written as 0. A file
        // already of the dialect keeps the values it gave, as read.
        if (attributes.productIdCount == 2 && !m_sameDialect)
            attributes.productIdCount = 3;
        // What is left are LIN 2.0 attributes, with a LIN 2.0 address.
        if (!m_sameDialect && !lin::RowOf(Dialect::Lin20).IsNodeAddress(attributes.configuredNad)) {
            Lose(record, std::string(kw::ConfiguredNad) + " " + std::to_string(attributes.configuredNad));
            attributes.configuredNad = NodeAttributes().configuredNad;
        }
        DropValue(record, kw::InitialNad, attributes.initialNad);
        if (!attributes.faultStateSignals.empty())
            Lose(record, kw::FaultStateSignals);
        attributes.faultStateSignals.clear();
        DropValue(record, kw::NAsTimeout, attributes.nAsTimeoutMs);
        DropValue(record, kw::NCrTimeout, attributes.nCrTimeoutMs);
        EraseIf(attributes.configurableFrames, [&](const std::unique_ptr<ConfigurableFrame>& frame) {
            if (frame->hasMessageId)
                return false;
            Lose("Configurable frame " + frame->frameName + " of " + attributes.nodeName,
                 "a configurable frame without its message id");
            return true;
        });
    }

    void DropJ2602Attributes(NodeAttributes& attributes)
    {
        const std::string record = "Node attributes of " + attributes.nodeName;
        DropValue(record, kw::ResponseTolerance, attributes.responseTolerancePercent);
        DropValue(record, kw::WakeupTime, attributes.wakeupTimeMs);
        DropValue(record, kw::PowerOnTime, attributes.powerOnTimeMs);
    }

    // A value of -1 was not given and is no loss.
    template <typename Value> void DropValue(const std::string& record, const char* keyword, Value& value)
    {
        if (value != -1)
            Lose(record, keyword);
        value = -1;
    }

    void ScheduleTables(const std::vector<int>& initialNads)
    {
        const NameIndex attributesByNode(m_net.nodeAttributes);
        m_slavesByNumbers.clear();
        if (m_version.lin21Statements)
            for (const auto& attributes : m_net.nodeAttributes)
                m_slavesByNumbers[NumbersOf(*attributes)].push_back(attributes.get());
        for (const auto& table : m_net.scheduleTables) {
            int position = 0;
            EraseIf(table->entries, [&](const std::unique_ptr<ScheduleEntry>& entry) {
                const std::string record = "Schedule table " + table->name + ", entry " + std::to_string(++position);
                return !ConvertEntry(*entry, record, attributesByNode, initialNads);
            });
        }
    }

    // False when the target cannot hold the entry (a loss listed).
    bool ConvertEntry(ScheduleEntry& entry, const std::string& record, const NameIndex& attributesByNode,
                      const std::vector<int>& initialNads)
    {
        const ScheduleCommandSpec* spec = FindScheduleCommand(entry.kind);
        if (spec && !m_version.HoldsCommand(*spec)) {
            Lose(record, spec->keyword);
            return false;
        }
        AssignNadCommand* assignNad = entry.AssignNad();
        if (!assignNad)
            return true;
        if (m_version.lin21Statements && assignNad->nodeName.empty())
            return NameAssignedSlave(*assignNad, record);
        if (!m_version.lin21Statements && !assignNad->nodeName.empty())
            return SpellOutAssignNad(*assignNad, record, attributesByNode, initialNads);
        return true;
    }

    // LIN 2.1 names the slave whose attributes give the four numbers. A
    // slave read without its initial NAD (as LIN 2.0 text has none) takes
    // the one the command addresses, so the command keeps its meaning.
    bool NameAssignedSlave(AssignNadCommand& command, const std::string& record)
    {
        const auto candidates =
            m_slavesByNumbers.find(std::make_tuple(command.newNad, command.supplierId, command.functionId));
        NodeAttributes* match = candidates != m_slavesByNumbers.end() && candidates->second.size() == 1
                                    ? candidates->second.front()
                                    : nullptr;
        if (match && InitialNadOf(*match) != command.initialNad) {
            if (match->initialNad >= 0)
                match = nullptr;
            else
                match->initialNad = command.initialNad;
        }
        if (!match) {
            Lose(record, "AssignNAD with numbers that fit no single slave");
            return false;
        }
        command.nodeName = match->nodeName;
        return true;
    }

    // What AssignNAD gives of a slave besides its initial NAD.
    using SlaveNumbers = std::tuple<int, int, int>;
    static SlaveNumbers NumbersOf(const NodeAttributes& attributes)
    {
        return {attributes.configuredNad, attributes.supplierId, attributes.functionId};
    }

    static int InitialNadOf(const NodeAttributes& attributes)
    {
        return attributes.initialNad >= 0 ? attributes.initialNad : attributes.configuredNad;
    }

    // Before LIN 2.1, AssignNAD gives the slave's numbers.
    bool SpellOutAssignNad(AssignNadCommand& command, const std::string& record, const NameIndex& attributesByNode,
                           const std::vector<int>& initialNads)
    {
        const int position = attributesByNode.FirstPosition(command.nodeName);
        if (position < 0) {
            Lose(record, "AssignNAD of a slave without node attributes");
            return false;
        }
        const NodeAttributes& attributes = *m_net.nodeAttributes[static_cast<std::size_t>(position)];
        command.initialNad = initialNads[static_cast<std::size_t>(position)];
        command.newNad = attributes.configuredNad;
        command.supplierId = attributes.supplierId;
        command.functionId = attributes.functionId;
        command.nodeName.clear();
        return true;
    }

    // What the reader did not know may belong to the file's version only.
    void KeptStatements()
    {
        if (m_sameDialect)
            return;
        for (const KeptStatement& statement : m_net.keptStatements)
            LoseBecause("Statement " + StatementKeyword(statement.text),
                        "not read, so not converted to " + lin::DialectCaption(m_target));
        m_net.keptStatements.clear();
        ClearUnreadStatements(m_net);
    }

    NetworkContent& m_net;
    const Dialect m_target;
    const lin::VersionRow& m_version;
    const bool m_sameDialect;
    const std::string m_notIn;
    std::vector<ConversionLoss> m_losses;
    // The slaves that AssignNAD numbers may name, in a LIN 2.1 target.
    std::map<SlaveNumbers, std::vector<NodeAttributes*>> m_slavesByNumbers;
};

}  // namespace

std::string FormatLoss(const ConversionLoss& loss) { return loss.record + ": " + loss.reason; }

std::vector<ConversionLoss> ConversionLosses(const NetworkContent& network, Dialect target)
{
    NetworkContent copy = network;
    return ConvertToDialect(copy, target);
}

std::vector<ConversionLoss> ConvertToDialect(NetworkContent& network, Dialect target)
{
    return DialectConverter(network, target).Run();
}
