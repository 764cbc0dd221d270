// The reader driver: the header comment, the header statements, the
// dynamic_frames list, and the dispatch of every other section block to its
// parser. It walks the whole text once and never stops early.

#include "model/LinNetwork.h"
#include "model/LinVersion.h"
#include "reader/Keywords.h"
#include "reader/ListIndexes.h"
#include "reader/SectionLoop.h"
#include "reader/UnreadText.h"

#include <optional>
#include <string>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kErrorInKeyword = "Error in key word";
const char* const kSpeedSyntax = "Syntax LIN_speed=xx.xx kbps; wrong";
const char* const kDynamicIdRange = "Frame id out of range (0-59 u. 62)";

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
    {kw::DiagnosticSignals, nullptr},
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

class ReaderDriver {
public:
    explicit ReaderDriver(LinNetwork& network) : m_net(network), m_text(network.fileText) {}

    void Run()
    {
        ReadHeaderComment();
        std::string accumulator;
        const int length = static_cast<int>(m_text.size());
        for (m_pos = 0; m_pos < length; ++m_pos) {
            if (m_net.SkipCommentAt(m_pos) || m_pos >= length)
                continue;
            accumulator += m_text[static_cast<std::size_t>(m_pos)];
            for (const DriverKeyword& keyword : kDriverKeywords) {
                if (accumulator == keyword.word) {
                    accumulator.clear();
                    m_net.CheckContiguous(m_pos, keyword.word);
                    Handle(keyword);
                    break;
                }
            }
        }
        if (!accumulator.empty())
            m_net.AddPlainMessage(msg::GarbageAtEnd, accumulator.substr(0, 20));
    }

private:
    char At(int pos) const { return pos >= 0 && pos < Length() ? m_text[static_cast<std::size_t>(pos)] : '\0'; }
    int Length() const { return static_cast<int>(m_text.size()); }
    bool AtEnd() const { return m_pos >= Length(); }

    // The comment the writer puts atop every file: "/* " and the signature,
    // then the free text up to "*/", one CR LF separated line per line.
    void ReadHeaderComment()
    {
        const std::string opening = std::string("/* ") + kw::Signature;
        if (m_text.size() <= 3 || m_text.compare(0, opening.size(), opening) != 0)
            return;
        std::size_t pos = m_text.find('\n', opening.size());
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
            SkipDiagnosticSignals();
        else if (word == kw::DynamicFrames)
            ReadDynamicFrames();
        else
            ReadBlock(word, keyword.parser);
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
        const std::string named = m_net.ReadNamedVersion(m_pos);
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
        else
            m_net.speedKbps = static_cast<float>(ParseDouble(value));
    }

    void ReadBlock(const std::string& word, SectionParser parser)
    {
        if (word == kw::SignalRepresentation && At(m_pos + 1) == 's')
            ++m_pos;
        if (!m_net.SkipToBlockStart(m_pos)) {
            m_net.AddMessage(msg::OpenBracketMissing, m_pos);
            return;
        }
        (m_net.*parser)(m_pos, m_text);
        if (AtEnd() || At(m_pos) != '}')
            m_net.AddMessage(msg::CloseBracketMissing, m_pos);
    }

    // The diagnostic signals are not stored; the writer regenerates them.
    void SkipDiagnosticSignals()
    {
        if (!m_net.SkipToBlockStart(m_pos)) {
            m_net.AddMessage(msg::OpenBracketMissing, m_pos);
            return;
        }
        --m_pos;  // back onto the '{' that SkipToBlockStart stepped past
        if (!PassOverBlock(m_text, m_pos))
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
};

}  // namespace

void LinNetwork::ReadLdf()
{
    m_listIndexes.reset();
    ReaderDriver(*this).Run();
    m_listIndexes.reset();  // the lists may change from now on
}

ListIndexes& LinNetwork::ReaderListIndexes()
{
    if (!m_listIndexes)
        m_listIndexes = std::make_shared<ListIndexes>();
    return *m_listIndexes;
}
