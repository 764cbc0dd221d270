// The reader driver: the header comment, the header statements, the
// dynamic_frames list, and the dispatch of every other section block to its
// parser. It walks the whole text once and never stops early.

#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "reader/ListIndexes.h"
#include "reader/SectionLoop.h"
#include "reader/UnreadText.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kErrorInKeyword = "Error in key word";
const char* const kSpeedSyntax = "Syntax LIN_speed=xx.xx kbps; wrong";
const char* const kDynamicIdRange = "Frame id out of range (0-59 u. 62)";
const char* const kStatementKept = "Warning: statement not known, kept as written:";
const char* const kSectionGoesOn = "Warning: '}' inside the section, reading of the section goes on";

using SectionParser = void (LinNetwork::*)(int&, const std::string&);

struct DriverKeyword {
    const char* word;
    SectionParser parser;  // null for the statements the driver reads itself
};

// In the order the accumulator is compared with them.
const DriverKeyword kDriverKeywords[] = {
    {kw::DescriptionFile, nullptr},
    {kw::ProtocolVersion, nullptr},
    {kw::LanguageVersion, nullptr},
    {kw::Speed, nullptr},
    {kw::ChannelName, nullptr},
    {kw::FileRevision, nullptr},
    {kw::BigEndian, nullptr},
    {kw::LittleEndian, nullptr},
    {kw::Nodes, &LinNetwork::ParseNodes},
    {kw::DiagnosticAddresses, &LinNetwork::ParseDiagnosticAddresses},
    {kw::EventTriggeredFrames, &LinNetwork::ParseEventTriggeredFrames},
    {kw::DiagnosticFrames, &LinNetwork::ParseDiagnosticFrames},
    {kw::DiagnosticSignals, &LinNetwork::ParseDiagnosticSignals},
    {kw::Signals, &LinNetwork::ParseSignals},
    {kw::DynamicFrames, nullptr},
    {kw::Frames, &LinNetwork::ParseFrames},
    {kw::SporadicFrames, &LinNetwork::ParseSporadicFrames},
    {kw::ScheduleTables, &LinNetwork::ParseScheduleTables},
    {kw::SignalGroups, &LinNetwork::ParseSignalGroups},
    {kw::SignalEncodingTypes, &LinNetwork::ParseEncodingTypes},
    {kw::SignalRepresentation, &LinNetwork::ParseRepresentations},
    {kw::NodeAttributes, &LinNetwork::ParseNodeAttributes},
    {kw::Composite, &LinNetwork::ParseComposite},
};

// The longest keyword: a longer pending word can match none.
std::size_t LongestKeyword()
{
    static const std::size_t longest = [] {
        std::size_t length = 0;
        for (const DriverKeyword& keyword : kDriverKeywords)
            length = std::max(length, std::char_traits<char>::length(keyword.word));
        return length;
    }();
    return longest;
}

class ReaderDriver {
public:
    explicit ReaderDriver(LinNetwork& network) : m_net(network), m_text(network.fileText) {}

    void Run()
    {
        ReadHeaderComment();
        std::string accumulator;
        const int length = static_cast<int>(m_text.size());
        for (m_pos = ByteOrderMarkLength(); m_pos < length; ++m_pos) {
            if (m_net.SkipCommentAt(m_pos) || m_pos >= length)
                continue;
            const char c = m_text[static_cast<std::size_t>(m_pos)];
            if (accumulator.empty()) {
                m_wordStart = m_pos;
                m_accumulatorIsWord = IsWordChar(c) && !(c >= '0' && c <= '9');
            } else {
                m_accumulatorIsWord = m_accumulatorIsWord && IsWordChar(c);
            }
            accumulator += c;
            if (accumulator.size() <= LongestKeyword() && MatchKeyword(accumulator))
                accumulator.clear();
            else if (m_accumulatorIsWord && !IsWordChar(At(m_pos + 1)) && KeepUnknownStatement(accumulator))
                accumulator.clear();
        }
        if (!accumulator.empty())
            m_net.AddPlainMessage(msg::GarbageAtEnd, accumulator.substr(0, 20));
        ReadPostponedAttributes();
    }

private:
    char At(int pos) const { return pos >= 0 && pos < Length() ? m_text[static_cast<std::size_t>(pos)] : '\0'; }
    int Length() const { return static_cast<int>(m_text.size()); }
    // Editors that mark UTF-8 put these three bytes before the text; the
    // text keeps them, so a save in its layout gives them back.
    int ByteOrderMarkLength() const { return m_text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0; }
    bool AtEnd() const { return m_pos >= Length(); }

    bool MatchKeyword(const std::string& accumulator)
    {
        for (const DriverKeyword& keyword : kDriverKeywords) {
            if (accumulator == keyword.word) {
                m_net.CheckContiguous(m_pos, keyword.word);
                m_lastKeyword = keyword.word;
                Handle(keyword);
                return true;
            }
        }
        return false;
    }

    // A word that no keyword matches, followed by "= ...;" or by a balanced
    // "{ ... }", is a statement of a kind the reader does not know: it is
    // kept as written and reading goes on after it. Anything else stays in
    // the accumulator and ends the read as garbage.
    bool KeepUnknownStatement(const std::string& word)
    {
        const int next = m_net.SkipSeparatorsAndComments(m_pos + 1);
        if (At(next) != '=' && At(next) != '{')
            return false;
        const int end = m_net.FindStatementEnd(next);
        if (end < 0)
            return false;
        m_net.keptStatements.push_back({m_lastKeyword, m_net.TextWithLfLineEnds(m_wordStart, end)});
        m_net.AddMessage(kStatementKept, word, m_wordStart);
        m_pos = end;
        return true;
    }

    // The comment the writer puts atop every file: "/* " and the signature,
    // then the free text up to "*/", one CR LF separated line per line.
    void ReadHeaderComment()
    {
        const std::string opening = std::string("/* ") + kw::Signature;
        const std::size_t start = static_cast<std::size_t>(ByteOrderMarkLength());
        if (m_text.size() <= start + 3 || m_text.compare(start, opening.size(), opening) != 0)
            return;
        std::size_t pos = m_text.find('\n', start + opening.size());
        pos = pos == std::string::npos ? m_text.size() : pos + 1;
        std::string collected;
        for (; pos < m_text.size(); ++pos) {
            const char c = m_text[pos];
            if (c == '*' && pos + 1 < m_text.size() && m_text[pos + 1] == '/') {
                if (collected.size() >= 2) {
                    if (collected.front() == '\r')
                        collected.erase(0, 1);
                    if (!collected.empty() && collected.front() == '\n')
                        collected.erase(0, 1);
                    m_net.headerComment = collected;
                }
                return;
            }
            if (c == '\n' || c == '\r')
                continue;
            if (pos > 0 && m_text[pos - 1] == '\n')
                collected += "\r\n";
            collected += c;
        }
    }

    void Handle(const DriverKeyword& keyword)
    {
        const std::string word = keyword.word;
        if (word == kw::DescriptionFile)
            ReadDescriptionFile();
        else if (word == kw::ProtocolVersion)
            ReadVersion(m_net.protocolVersion, m_net.protocolVersionText);
        else if (word == kw::LanguageVersion)
            ReadVersion(m_net.languageVersion, m_net.languageVersionText);
        else if (word == kw::Speed)
            ReadSpeed();
        else if (word == kw::ChannelName)
            ReadQuotedText(m_net.channelName);
        else if (word == kw::FileRevision)
            ReadQuotedText(m_net.fileRevision);
        else if (word == kw::BigEndian)
            ReadByteOrder(SignalByteOrder::BigEndian);
        else if (word == kw::LittleEndian)
            ReadByteOrder(SignalByteOrder::LittleEndian);
        else if (word == kw::DiagnosticSignals)
            ReadDiagnosticSignals();
        else if (word == kw::DynamicFrames)
            ReadDynamicFrames();
        else if (word == kw::NodeAttributes && PostponeAttributes())
            return;
        else
            ReadBlock(word, keyword.parser);
        if (word == kw::Nodes)
            ReadPostponedAttributes();
    }

    // Node_attributes names slaves of the Nodes section; one that comes
    // before it is read once Nodes has been, so the order of sections does
    // not change what is read. True, with the position on the block's '}',
    // when the block was postponed.
    bool PostponeAttributes()
    {
        if (m_nodesRead)
            return false;
        if (m_lastNodesWord == kNotSearched) {
            const std::size_t last = m_text.rfind(kw::Nodes);
            m_lastNodesWord = last == std::string::npos ? -1 : static_cast<int>(last);
        }
        if (m_pos > m_lastNodesWord)
            return false;
        int open = m_pos;
        if (!m_net.SkipToBlockStart(open))
            return false;
        const int end = m_net.FindStatementEnd(open - 1);
        if (end < 0)
            return false;
        m_postponedAttributes.push_back(m_pos);
        m_pos = end;
        return true;
    }

    void ReadPostponedAttributes()
    {
        m_nodesRead = true;
        const int resume = m_pos;
        for (const int keywordEnd : m_postponedAttributes) {
            m_pos = keywordEnd;
            ReadBlock(kw::NodeAttributes, &LinNetwork::ParseNodeAttributes);
        }
        m_postponedAttributes.clear();
        m_pos = resume;
    }

    // A statement of one keyword; false, and reported, when more follows it.
    bool ReadBareKeyword()
    {
        if (m_net.ReadTokenUntilSemicolon(m_pos).empty())
            return true;
        m_net.AddMessage(kErrorInKeyword, m_pos);
        return false;
    }

    void ReadDescriptionFile()
    {
        if (ReadBareKeyword())
            m_net.descriptionFileSeen = true;
    }

    void ReadByteOrder(SignalByteOrder order)
    {
        if (ReadBareKeyword())
            m_net.byteOrder = order;
    }

    // "= <quoted text>;" on one line; the text without its quotes.
    std::optional<std::string> ReadQuotedValue()
    {
        if (!m_net.ExpectEquals(m_pos)) {
            m_net.AddMessage(msg::AssignmentFalse, m_pos);
            return std::nullopt;
        }
        std::string value = m_net.ReadRawUntilSemicolon(m_pos);
        if (value.empty()) {
            m_net.AddMessage(msg::NoLineEnd, m_pos);
            return std::nullopt;
        }
        if (!m_net.StripQuotes(value, m_pos))
            return std::nullopt;
        return value;
    }

    void ReadQuotedText(std::optional<std::string>& field)
    {
        if (std::optional<std::string> value = ReadQuotedValue())
            field = std::move(value);
    }

    // A version named by its standard is taken as it stands; every other one
    // must be a quoted number.
    void ReadVersion(float& field, std::string& text)
    {
        const std::string named = m_net.ReadNamedVersion(m_pos, lin::IsNamedVersion);
        if (!named.empty()) {
            text = named;
            field = static_cast<float>(lin::VersionNumber(named));
            return;
        }
        if (!m_net.ExpectEquals(m_pos)) {
            m_net.AddMessage(msg::AssignmentFalse, m_pos);
            return;
        }
        const std::string value = m_net.ReadTokenUntilSemicolon(m_pos);
        if (value.empty()) {
            m_net.AddMessage(msg::NoLineEnd, m_pos);
            return;
        }
        m_net.CheckContiguous(m_pos - 1, value);
        field = m_net.ParseQuotedFloat(value, m_pos);
        const bool quoted = value.size() >= 3 && value.front() == '"' && value.back() == '"';
        text = quoted ? value.substr(1, value.size() - 2) : std::string();
    }

    void ReadSpeed()
    {
        if (!m_net.ExpectEquals(m_pos)) {
            m_net.AddMessage(msg::AssignmentFalse, m_pos);
            return;
        }
        const std::string value = m_net.ReadValueWithUnit(m_pos, kw::Kbps);
        if (value.empty())
            m_net.AddMessage(kSpeedSyntax, m_pos);
        else if (const std::optional<float> speed = m_net.FiniteFloat(ParseDouble(value), m_pos))
            m_net.speedKbps = *speed;
    }

    void ReadBlock(const std::string& word, SectionParser parser)
    {
        if (word == kw::SignalRepresentation && At(m_pos + 1) == 's')
            ++m_pos;
        if (!m_net.SkipToBlockStart(m_pos)) {
            m_net.AddMessage(msg::OpenBracketMissing, m_pos);
            return;
        }
        const int sectionStart = m_pos - 1;
        m_net.ReaderListIndexes().BlockStartsAt(static_cast<std::size_t>(m_pos));
        (m_net.*parser)(m_pos, m_text);
        // Searched after the reading, whose statements it then passes over.
        const int sectionEnd = m_net.FindStatementEnd(sectionStart);
        // A parser stops on the first '}' it cannot place, which may close a
        // statement inside the section; the rest of the section is read as a
        // further block of it, so a statement the parser does not know costs
        // that statement only, not the rest of the file.
        while (m_pos < sectionEnd && At(m_pos) == '}') {
            m_net.AddMessage(kSectionGoesOn, m_pos);
            ++m_pos;
            (m_net.*parser)(m_pos, m_text);
        }
        if (AtEnd() || At(m_pos) != '}')
            m_net.AddMessage(msg::CloseBracketMissing, m_pos);
        m_net.ForgetNotedStatements();
    }

    // The block may hold anything between balanced braces; its well-formed
    // lines are kept, the rest is passed over without a message.
    void ReadDiagnosticSignals()
    {
        if (!m_net.SkipToBlockStart(m_pos)) {
            m_net.AddMessage(msg::OpenBracketMissing, m_pos);
            return;
        }
        --m_pos;  // back onto the '{' that SkipToBlockStart stepped past
        m_net.ParseDiagnosticSignals(m_pos, m_text);
        if (AtEnd())
            m_net.AddMessage(msg::CloseBracketMissing, m_pos);
    }

    void ReadDynamicFrames()
    {
        if (!m_net.SkipToBlockStart(m_pos)) {
            m_net.AddMessage(msg::OpenBracketMissing, m_pos);
            return;
        }
        const int commas = m_net.CountCommasUntil(m_pos, '}');
        if (commas < 0) {
            if (!m_net.SkipToBlockEnd(m_pos))
                m_net.AddMessage(msg::CloseBracketMissing, m_pos);
            return;
        }
        --m_pos;  // the readers step past the character they start on
        for (int i = 0; i < commas; ++i)
            TakeDynamicFrameId(m_net.ReadTokenUntilComma(m_pos, true), true);
        TakeDynamicFrameId(m_net.ReadTokenUntilCloseBrace(m_pos), false);
    }

    void TakeDynamicFrameId(const std::string& item, bool commaTerminated)
    {
        if (item.empty() || !m_net.CheckContiguous(m_pos - 1, item)) {
            if (commaTerminated)
                m_net.AddMessage(msg::NoArgument, m_pos);
            return;
        }
        const int id = ParseInt(item);
        if ((id >= 0 && id <= 59) || id == 62)
            m_net.dynamicFrameIds.push_back(static_cast<unsigned>(id));
        else
            m_net.AddMessage(kDynamicIdRange, m_pos);
    }

    LinNetwork& m_net;
    const std::string& m_text;
    int m_pos = 0;
    int m_wordStart = 0;               // where the accumulator's first character stands
    bool m_accumulatorIsWord = false;  // a name so far: letters, digits, underscores
    std::string m_lastKeyword;
    static constexpr int kNotSearched = -2;
    int m_lastNodesWord = kNotSearched;  // where the last "Nodes" of the text stands, -1 for none
    bool m_nodesRead = false;
    std::vector<int> m_postponedAttributes;  // keyword ends of Node_attributes met before Nodes
};

}  // namespace

void LinNetwork::ReadLdf()
{
    m_listIndexes.reset();
    ReaderDriver(*this).Run();
    ReportUnclosedComment();
    m_listIndexes.reset();  // the lists may change from now on
}

ListIndexes& LinNetwork::ReaderListIndexes()
{
    if (!m_listIndexes)
        m_listIndexes = std::make_shared<ListIndexes>();
    return *m_listIndexes;
}
