// Parsers of the sections that describe the nodes: Nodes, Node_attributes
// with its configurable_frames blocks, composite and Diagnostic_addresses.
// Each starts just after its section's '{' and returns on the '}' that
// closes it (or at the end of the text).

#include "ldf/Keywords.h"
#include "ldf/ShortText.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "model/VersionTable.h"
#include "reader/SectionLoop.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>

namespace {

// A version text made of letters, digits and the marks version names use.
bool IsPlainVersionText(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' || c == '_' ||
               c == '-' || c == ':' || c == ' ';
    });
}

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kMsMissing = "Expression 'ms' not found";
const char* const kDoubledSlave = "Doubled slave names found; Argument skipped";
const char* const kNodeDoubled = "Node obviously doubled";
const char* const kNodeNotSlave = "Node not defined under 'Slaves'";
const char* const kNoVersionInfo = "No Version Info found, e.g. \"2.0\"";
const char* const kProtocolUndefined = "Protocoll version undefined";
const char* const kNadOutOfRange = "NAD out of range (1-127)";
const char* const kThreeArguments = "3 arguments needed";
const char* const kProductValueFalse = "Value of a product entity false";
const char* const kTimeIllegal = "Time/ms illegal";
const char* const kMessageIdOutOfRange = "Message ID out of range";
const char* const kIdenticalDiagnosticAddress = "Identical Node Dia. Adr. here";

// The number with one decimal, as "%.1f" prints it, whatever the locale.
std::string WithOneDecimal(double value)
{
    char buffer[400];  // room for the longest double in fixed notation
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

// Nodes: the Master and Slaves statements.
class NodesParser : SectionParser {
public:
    NodesParser(LinNetwork& network, int& pos) : SectionParser(network, pos), m_slaves(network, network.slaves) {}

    void Run()
    {
        RunSectionLoop(m_net, m_pos, m_pending, [this](char c) {
            m_pending += c;
            if (m_pending == kw::Master || m_pending == kw::Commander)
                ReadMaster();
            else if (m_pending == kw::Slaves || m_pending == kw::Responders)
                ReadSlaves();
        });
    }

private:
    // The keyword just read and its colon; false when the colon is missing.
    bool BeginStatement()
    {
        m_net.CheckContiguous(m_pos, m_pending);
        m_net.commanderWords = m_pending == kw::Commander || m_pending == kw::Responders;
        m_pending.clear();
        if (m_net.ExpectColon(m_pos))
            return true;
        Report(msg::NoDoublePoint);
        return false;
    }

    // Master: <name>, <time base> ms, <jitter> ms[, <n> bits, <n> %];
    // the last pair is J2602's.
    void ReadMaster()
    {
        if (!BeginStatement())
            return;
        const int commas = m_net.CountCommasUntil(m_pos, ';');
        if (commas == 0) {
            ReadMasterNameAlone();
            return;
        }
        const bool j2602 = commas == 4;
        m_net.masterName = m_net.ReadTokenUntilComma(m_pos, true);
        if (!IsWholeToken(m_net, m_pos, m_net.masterName)) {
            Report(msg::FalseParameters);
            return;
        }
        const std::string timeBase = m_net.ReadTokenUntilComma(m_pos, true);
        if (timeBase.empty()) {
            Report(msg::FalseParameters);
        } else {
            CheckMsUnit(timeBase);
            m_net.timeBaseMs = ParseInt(timeBase);
        }
        const std::string jitter =
            j2602 ? m_net.ReadTokenUntilComma(m_pos, true) : m_net.ReadTokenUntilSemicolon(m_pos);
        if (!jitter.empty()) {
            CheckMsUnit(jitter);
            if (const std::optional<float> jitterMs = m_net.FiniteFloat(ParseDouble(jitter), m_pos))
                m_net.jitterMs = *jitterMs;
        }
        if (j2602)
            ReadJ2602Master();
    }

    // "Master: <name>;": the name is kept, and the time base and jitter
    // the repair gives stand in for the ones the line leaves out.
    void ReadMasterNameAlone()
    {
        const std::string name = m_net.ReadTokenUntilSemicolon(m_pos);
        if (!IsWholeToken(m_net, m_pos, name)) {
            Report(msg::FalseParameters);
            return;
        }
        m_net.masterName = name;
        m_net.masterTimingOmitted = true;
    }

    void ReadJ2602Master()
    {
        const std::string bits = m_net.ReadTokenUntilComma(m_pos, true);
        const std::string tolerance = m_net.ReadValueWithUnit(m_pos, kw::Percent);
        if (!EndsWith(bits, kw::Bits) || tolerance.empty()) {
            Report(msg::FalseParameters);
            return;
        }
        m_net.maxHeaderBits = ParseInt(bits);
        if (const std::optional<double> percent = m_net.Finite(ParseDouble(tolerance), m_pos))
            m_net.masterTolerancePercent = *percent;
    }

    void CheckMsUnit(const std::string& value)
    {
        if (!EndsWith(value, kw::Ms))
            Report(kMsMissing);
    }

    // Slaves: <name>, <name>, ... ;
    void ReadSlaves()
    {
        if (!BeginStatement())
            return;
        const int commas = m_net.CountCommasUntil(m_pos, ';');
        if (commas < 0) {
            Report(msg::NoLineEnd);
            return;
        }
        ReadCountedList(m_net, m_pos, commas, ';', msg::NoLineEnd, [this](const std::string& name) {
            if (!m_slaves.Append(std::make_unique<LinNode>(name)))
                Report(kDoubledSlave);
        });
    }

    UniqueNameList<LinNode> m_slaves;
};

// The statements inside one node's block of Node_attributes.
class AttributeBodyParser : SectionParser {
public:
    // The writer gives the attributes in its own order and the kept
    // statements after them, so their position does not count.
    // The version is that of the whole section: no statement inside it
    // changes the version.
    AttributeBodyParser(LinNetwork& network, const lin::VersionRow& version, int& pos, NodeAttributes& attributes)
        : SectionParser(network, pos), m_version(version), m_attributes(attributes),
          m_keeper(network, attributes.unread, UnreadKeeper::Ends::AtSemicolonOrBlock, [] { return std::size_t(0); })
    {
    }

    void Run();

private:
    // When the pending text is a statement's keyword: reads that statement
    // and gives true.
    bool ReadStatementOfPendingKeyword();

    // The value of a statement as a plain statement gives it (see
    // TextScanner::ReadPlainTokens): "= <token>;", "= <number> ms;", the
    // two or three numbers of a product id, or a version in quotes
    // ("= "2.1";"), which is one token, quotes included. Every check of the
    // general reading passes on it, so the statement is taken in one pass.
    enum class PlainForm { None, OneToken, Milliseconds, ProductId, QuotedToken };

    struct Statement {
        std::string_view keyword;  // compared with the pending text after every character
        void (AttributeBodyParser::*read)();
        PlainForm plain = PlainForm::None;
    };
    static const Statement kStatements[];

    // Reads the statement in one pass when it is plain and its value has
    // the statement's plain form: true, with the position on its ';'.
    // False, and nothing read, for any other statement.
    bool TakePlainStatement(const Statement& statement);
    static bool HasPlainForm(PlainForm form, const PlainTokens& tokens);

    // "= <value>;"; empty, and reported, when the statement is broken.
    std::string ReadAssignedValue()
    {
        if (m_plain)
            return std::string((*m_plain)[0]);
        if (!m_net.ExpectEquals(m_pos)) {
            Report(msg::AssignmentFalse);
            return {};
        }
        std::string value = m_net.ReadTokenUntilSemicolon(m_pos);
        if (value.empty())
            Report(msg::NoLineEnd);
        return value;
    }

    // The version of "= <version>;" when it is one with a name ("J2602_1_1.0"), quoted or not.
    std::string ReadNamedVersion()
    {
        if (!m_plain)
            return m_net.ReadNamedVersion(m_pos, lin::IsNamedVersion);
        const std::string_view quoted = (*m_plain)[0];
        std::string version(quoted.substr(1, quoted.size() - 2));
        return lin::IsNamedVersion(version) ? version : std::string();
    }

    void ReadProtocol()
    {
        if (const std::string named = ReadNamedVersion(); !named.empty()) {
            m_attributes.SetProtocol(named);
            return;
        }
        std::string value = ReadAssignedValue();
        if (value.empty() || !m_net.CheckContiguous(m_pos - 1, value))
            return;
        if (value.size() < 3) {
            Report(kNoVersionInfo);
            return;
        }
        const bool quoted = value.front() == '"' && value.back() == '"';
        if (quoted)
            value = value.substr(1, value.size() - 2);
        // Only a whole quoted text is kept to be written back; anything else
        // would not read back as itself.
        const std::string asRead = quoted && IsPlainVersionText(value) ? value : std::string();
        if (!lin::IsNamedVersion(value))
            value = WithOneDecimal(ParseDouble(value));
        if (!m_attributes.SetProtocol(value)) {
            Report(kProtocolUndefined);
            if (!asRead.empty())
                m_attributes.KeepUnknownProtocol(asRead);
        }
    }

    void ReadConfiguredNad() { ReadNad(m_attributes.configuredNad); }
    void ReadInitialNad() { ReadNad(m_attributes.initialNad); }

    void ReadNad(int& field)
    {
        const std::string value = ReadAssignedValue();
        if (value.empty() || !m_net.CheckContiguous(m_pos - 1, value))
            return;
        // Any byte is kept as read; the checks mark one the version does not allow.
        const int nad = ParseInt(value);
        if (!m_version.IsNodeAddress(nad))
            Report(kNadOutOfRange);
        if (lin::IsNodeAddressOfAnyVersion(nad))
            field = nad;
    }

    // product_id = <supplier>, <function>[, <variant>]; the variant is
    // optional from LIN 2.1 on. Two values are kept in any version, and
    // reported before.
    void ReadProductId()
    {
        if (!m_plain && !m_net.ExpectEquals(m_pos)) {
            Report(msg::NoDoublePoint);
            return;
        }
        const int commas = m_plain ? static_cast<int>(m_plain->size()) - 1 : m_net.CountCommasUntil(m_pos, ';');
        if (commas != 2 && !(commas == 1 && m_version.lin21Forms))
            Report(kThreeArguments);
        if (commas != 2 && commas != 1)
            return;
        const auto take = [this](const std::string& value) {
            if (!m_net.IntFits(value, m_pos))
                return;
            if (!m_attributes.AddProductValue(ParseInt(value)))
                Report(kProductValueFalse);
        };
        if (m_plain) {
            for (std::size_t i = 0; i < m_plain->size(); ++i)
                take(std::string((*m_plain)[i]));
        } else {
            ReadCountedList(m_net, m_pos, commas, ';', msg::NoLineEnd, take);
        }
        m_variantPlaceGiven = m_variantPlaceGiven || commas == 2;
    }

    // fault_state_signals = <signal>, ...;
    void ReadFaultStateSignals()
    {
        if (!m_net.ExpectEquals(m_pos)) {
            Report(msg::AssignmentFalse);
            return;
        }
        const int commas = m_net.CountCommasUntil(m_pos, ';');
        if (commas < 0) {
            Report(msg::NoLineEnd);
            return;
        }
        m_attributes.faultStateSignals.clear();
        ReadCountedList(m_net, m_pos, commas, ';', msg::NoLineEnd,
                        [this](const std::string& name) { m_attributes.faultStateSignals.push_back(name); });
    }

    void ReadResponseError()
    {
        const std::string value = ReadAssignedValue();
        if (!value.empty() && m_net.CheckContiguous(m_pos - 1, value))
            m_attributes.responseErrorSignal = value;
    }

    void ReadP2Min() { ReadTime(m_attributes.p2MinMs, kw::Ms); }
    void ReadStMin() { ReadTime(m_attributes.stMinMs, kw::Ms); }
    void ReadNAsTimeout() { ReadTime(m_attributes.nAsTimeoutMs, kw::Ms); }
    void ReadNCrTimeout() { ReadTime(m_attributes.nCrTimeoutMs, kw::Ms); }
    void ReadResponseTolerance() { ReadTime(m_attributes.responseTolerancePercent, kw::Percent); }
    void ReadWakeupTime() { ReadTime(m_attributes.wakeupTimeMs, kw::Ms); }
    void ReadPowerOnTime() { ReadTime(m_attributes.powerOnTimeMs, kw::Ms); }

    // "= <n> <unit>;", the number as read, fraction included.
    void ReadTime(double& field, const char* unit)
    {
        if (!m_plain && !m_net.ExpectEquals(m_pos)) {
            Report(msg::AssignmentFalse);
            return;
        }
        const std::string value = m_plain ? std::string((*m_plain)[0]) : m_net.ReadValueWithUnit(m_pos, unit);
        if (value.empty()) {
            Report(msg::NoLineEnd);
            return;
        }
        m_net.CheckContiguous(m_pos - 1, unit);
        const double time = ParseTime(value);
        if (!std::isfinite(time) || time < 0)
            Report(kTimeIllegal);
        else
            field = time;
    }

    // configurable_frames { <frame> = <message id>; ... } or, from LIN 2.1
    // on, { <frame>; ... }.
    void ReadConfigurableFrames()
    {
        if (!m_net.SkipToBlockStart(m_pos)) {
            Report(msg::OpenBracketMissing);
            return;
        }
        std::string pending;
        RunSectionLoop(m_net, m_pos, pending, [&](char c) {
            if (c == '=')
                ReadConfigurableFrameWithId(pending);
            else if (c == ';' && m_version.lin21Forms)
                ReadConfigurableFrameName(pending);
            else
                CollectRun(m_net.fileText, m_pos, pending, [](char next) { return next == '=' || next == ';'; });
        });
        if (CharAt(m_net, m_pos) != '}')
            Report(msg::CloseBracketMissing);
    }

    void ReadConfigurableFrameWithId(std::string& pending)
    {
        if (!IsWholeToken(m_net, m_pos, pending)) {
            Report(msg::FalseParameters);
            return;
        }
        const std::string frameName = TakePending(pending);
        const std::string id = m_net.ReadTokenUntilSemicolon(m_pos);
        if (id.empty()) {
            Report(msg::NoLineEnd);
            return;
        }
        const int messageId = ParseInt(id);
        if (messageId < 0 || messageId > 0xFFFE)
            Report(kMessageIdOutOfRange);
        else
            m_attributes.configurableFrames.Append(std::make_unique<ConfigurableFrame>(frameName, messageId));
    }

    void ReadConfigurableFrameName(std::string& pending)
    {
        if (!IsWholeToken(m_net, m_pos, pending)) {
            Report(msg::FalseParameters);
            return;
        }
        auto frame = std::make_unique<ConfigurableFrame>(TakePending(pending));
        frame->hasMessageId = false;
        m_attributes.configurableFrames.Append(std::move(frame));
    }

    // Every statement of the block begins with its keyword: a word that
    // ends without being one, or a sign, begins a statement not known here.
    bool BeginsUnknownStatement(char c) const
    {
        return !IsWordChar(c) || !IsWordChar(CharAt(m_net, m_net.SkipSeparatorsAndComments(m_pos + 1)));
    }

    const lin::VersionRow& m_version;
    NodeAttributes& m_attributes;
    bool m_variantPlaceGiven = false;
    UnreadKeeper m_keeper;
    PlainTokens m_tokens;
    // The tokens of the statement being read when TakePlainStatement reads
    // it; null while the general reading reads one.
    const PlainTokens* m_plain = nullptr;
};

const AttributeBodyParser::Statement AttributeBodyParser::kStatements[] = {
    {kw::LinProtocol, &AttributeBodyParser::ReadProtocol, PlainForm::QuotedToken},
    {kw::ConfiguredNad, &AttributeBodyParser::ReadConfiguredNad, PlainForm::OneToken},
    {kw::ProductId, &AttributeBodyParser::ReadProductId, PlainForm::ProductId},
    {kw::ResponseError, &AttributeBodyParser::ReadResponseError, PlainForm::OneToken},
    {kw::P2Min, &AttributeBodyParser::ReadP2Min, PlainForm::Milliseconds},
    {kw::StMin, &AttributeBodyParser::ReadStMin, PlainForm::Milliseconds},
    {kw::ConfigurableFrames, &AttributeBodyParser::ReadConfigurableFrames},
    {kw::InitialNad, &AttributeBodyParser::ReadInitialNad, PlainForm::OneToken},
    {kw::FaultStateSignals, &AttributeBodyParser::ReadFaultStateSignals},
    {kw::NAsTimeout, &AttributeBodyParser::ReadNAsTimeout, PlainForm::Milliseconds},
    {kw::NCrTimeout, &AttributeBodyParser::ReadNCrTimeout, PlainForm::Milliseconds},
    {kw::ResponseTolerance, &AttributeBodyParser::ReadResponseTolerance},
    {kw::WakeupTime, &AttributeBodyParser::ReadWakeupTime, PlainForm::Milliseconds},
    {kw::PowerOnTime, &AttributeBodyParser::ReadPowerOnTime, PlainForm::Milliseconds},
};

bool AttributeBodyParser::HasPlainForm(PlainForm form, const PlainTokens& tokens)
{
    switch (form) {
    case PlainForm::OneToken:
        return tokens.size() == 1;
    case PlainForm::Milliseconds:
        // The general reading takes the unit from the value's first 'm' on.
        return tokens.size() == 2 && tokens[1] == kw::Ms && tokens[0].find(kw::Ms[0]) == std::string_view::npos;
    case PlainForm::ProductId:
        return tokens.size() == 2 || tokens.size() == 3;
    case PlainForm::QuotedToken:
        return tokens.size() == 1 && tokens[0].front() == '"';
    case PlainForm::None:
        break;
    }
    return false;
}

bool AttributeBodyParser::TakePlainStatement(const Statement& statement)
{
    int equals = m_pos + 1;
    while (IsBlank(CharAt(m_net, equals)))
        ++equals;
    if (CharAt(m_net, equals) != '=')
        return false;
    const char separator = statement.plain == PlainForm::Milliseconds ? ' ' : ',';
    const bool quoted = statement.plain == PlainForm::QuotedToken;
    const int end = m_net.ReadPlainTokens(equals, separator, ';', m_tokens, quoted);
    if (end < 0 || !HasPlainForm(statement.plain, m_tokens))
        return false;
    // A scan of the statement would stop on this ';' as well: before the
    // '=' it meets the keyword, blanks and at most a closed comment inside
    // the keyword, after it plain tokens (and a version's pair of quotes).
    m_keeper.NoteStatementEnd(end);
    m_pos = end;
    m_plain = &m_tokens;
    (this->*statement.read)();
    m_plain = nullptr;
    return true;
}

bool AttributeBodyParser::ReadStatementOfPendingKeyword()
{
    static const KeywordShapes kShapes(kStatements, [](const Statement& statement) { return statement.keyword; });
    if (!kShapes.MayMatch(m_pending))
        return false;
    for (const Statement& statement : kStatements) {
        if (!SameText(m_pending, statement.keyword))
            continue;
        m_net.CheckContiguous(m_pos, statement.keyword);
        m_pending.clear();
        if (statement.plain != PlainForm::None && TakePlainStatement(statement))
            return true;
        // A value that braces or the block's end cut off before its ';' is
        // kept unread: its reading would run on into the statements and
        // blocks that follow.
        if (statement.read != &AttributeBodyParser::ReadConfigurableFrames && m_keeper.EndsWithoutSemicolon()) {
            m_keeper.Keep(m_pos, m_pending);
            return true;
        }
        const std::size_t framesBefore = m_attributes.configurableFrames.size();
        const std::size_t faultSignalsBefore = m_attributes.faultStateSignals.size();
        (this->*statement.read)();
        if (m_keeper.KeepIfUnread(m_pos, m_pending)) {
            // The kept text brings its entries again when read back.
            m_attributes.configurableFrames.resize(framesBefore);
            m_attributes.faultStateSignals.resize(faultSignalsBefore);
        }
        return true;
    }
    return false;
}

void AttributeBodyParser::Run()
{
    RunSectionLoop(
        m_net, m_pos, m_pending,
        [this](char c) {
            for (;; c = m_net.fileText[static_cast<std::size_t>(++m_pos)]) {
                m_pending += c;
                if (ReadStatementOfPendingKeyword())
                    return;
                // Inside a word the statement goes on: its next letter is
                // taken here, without a round of the section loop.
                if (IsWordChar(c) && IsWordChar(CharAt(m_net, m_pos + 1)))
                    continue;
                if (BeginsUnknownStatement(c))
                    m_keeper.Keep(m_pos, m_pending);
                return;
            }
        },
        &m_keeper);
    // A variant place left empty in LIN 2.0 text stands for 0, as the
    // three-value form is written; two values alone are kept as given.
    if (m_variantPlaceGiven && m_attributes.productIdCount == 2 && !m_version.lin21Forms)
        m_attributes.productIdCount = 3;
}

// Node_attributes: one "<node> { ... }" block per slave.
class NodeAttributesParser : SectionParser {
public:
    NodeAttributesParser(LinNetwork& network, int& pos)
        : SectionParser(network, pos), m_version(network.Version()),
          m_slaveNames(network.ReaderListIndexes().Of(network.slaves)), m_attributes(network, network.nodeAttributes),
          m_keeper(
              network, network.unreadInSections[kw::NodeAttributes], UnreadKeeper::Ends::AtSemicolonOrBlock,
              [&network] { return network.nodeAttributes.size(); },
              [&network](std::size_t n) { network.ReaderListIndexes().GiveBack(network.nodeAttributes, n); })
    {
    }

    void Run()
    {
        RunDelimitedLoop(
            m_net, m_pos, m_pending, '{', [this] { ReadNode(); }, &m_keeper);
    }

private:
    void ReadNode()
    {
        if (!IsWholeToken(m_net, m_pos, m_pending)) {
            Report(msg::FalseParameters);
            return;
        }
        auto attributes = std::make_unique<NodeAttributes>(TakePending(m_pending));
        ++m_pos;
        AttributeBodyParser(m_net, m_version, m_pos, *attributes).Run();
        const std::string& node = attributes->nodeName;
        if (m_attributes.Contains(node))
            Report(kNodeDoubled);
        else if (!m_slaveNames.Contains(node))
            Report(kNodeNotSlave);
        else
            m_attributes.Append(std::move(attributes));
    }

    const lin::VersionRow& m_version;
    const RecordNameIndex& m_slaveNames;
    UniqueNameList<NodeAttributes> m_attributes;
    UnreadKeeper m_keeper;
};

// composite: "configuration <name> { <composite node> { <node>, ... } ... }".
class CompositeParser : SectionParser {
public:
    CompositeParser(LinNetwork& network, int& pos) : SectionParser(network, pos) {}

    void Run()
    {
        // The keyword is recognised before the next character is taken:
        // that character begins the configuration's name.
        RunSectionLoop(m_net, m_pos, m_pending, [this](char c) {
            if (m_pending == kw::Configuration) {
                ReadConfiguration();
                return;
            }
            m_pending += c;
            m_lastTaken = m_pos;
        });
    }

private:
    void ReadConfiguration()
    {
        m_net.CheckContiguous(m_lastTaken, kw::Configuration);
        m_pending.clear();
        --m_pos;  // the reader steps onto the name's first character
        const std::string name = m_net.ReadUntilOpenBrace(m_pos);
        if (name.empty()) {
            Report(msg::OpenBracketMissing);
            return;
        }
        auto configuration = std::make_unique<CompositeConfiguration>(name);
        ReadConfigurationBody(*configuration);
        if (CharAt(m_net, m_pos) == '}')
            m_net.compositeConfigurations.Append(std::move(configuration));
        else
            Report(msg::CloseBracketMissing);
    }

    // Starts on the configuration's own '{'.
    void ReadConfigurationBody(CompositeConfiguration& configuration)
    {
        std::string pending;
        UnreadKeeper keeper(
            m_net, configuration.unread, UnreadKeeper::Ends::AtSemicolonOrBlock,
            [&configuration] { return configuration.compositeNodes.size(); },
            [&configuration](std::size_t n) { configuration.compositeNodes.resize(n); });
        ++m_pos;
        RunDelimitedLoop(
            m_net, m_pos, pending, '{',
            [&] {
                if (pending.empty() || !m_net.CheckContiguous(m_pos - 1, pending))
                    return;
                auto node = std::make_unique<CompositeNode>(TakePending(pending));
                const int commas = m_net.CountCommasUntil(m_pos, '}');
                if (commas < 0) {
                    Report(msg::FalseParameters);
                    return;
                }
                const auto take = [&](const std::string& name) { node->logicalNodes.push_back(name); };
                if (ReadCountedList(m_net, m_pos, commas, '}', msg::NoArgument, take))
                    configuration.compositeNodes.Append(std::move(node));
            },
            &keeper);
    }

    int m_lastTaken = 0;
};

// Diagnostic_addresses: "<node> : <address>;".
class DiagnosticAddressesParser : SectionParser {
public:
    DiagnosticAddressesParser(LinNetwork& network, int& pos)
        : SectionParser(network, pos), m_addresses(network, network.diagnosticAddresses)
    {
    }

    void Run()
    {
        RunDelimitedLoop(m_net, m_pos, m_pending, ':', [this] { ReadAddress(); });
    }

private:
    void ReadAddress()
    {
        const std::string node = TakePending(m_pending);
        m_net.CheckContiguous(m_pos - 1, node);
        const std::string address = m_net.ReadTokenUntilSemicolon(m_pos);
        if (!IsWholeToken(m_net, m_pos, address)) {
            Report(msg::NoArgument);
            return;
        }
        auto record = std::make_unique<DiagnosticAddress>();
        record->Assign(node, address);
        if (!m_addresses.Append(std::move(record)))
            Report(kIdenticalDiagnosticAddress);
    }

    UniqueNameList<DiagnosticAddress> m_addresses;
};

}  // namespace

void LinNetwork::ParseNodes(int& pos, const std::string&) { NodesParser(*this, pos).Run(); }

void LinNetwork::ParseNodeAttributes(int& pos, const std::string&) { NodeAttributesParser(*this, pos).Run(); }

void LinNetwork::ParseComposite(int& pos, const std::string&) { CompositeParser(*this, pos).Run(); }

void LinNetwork::ParseDiagnosticAddresses(int& pos, const std::string&) { DiagnosticAddressesParser(*this, pos).Run(); }
