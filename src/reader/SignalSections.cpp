// Parsers of the sections that describe signals and their coding: Signals,
// Signal_groups, Signal_encoding_types and Signal_representation(s). Each
// starts just after its section's '{' and returns on the '}' that closes it
// (or at the end of the text).

#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "reader/SectionLoop.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kParameterCount = "Count of parameters incorrect";
const char* const kIdenticalSignal = "Identical slaves found";
const char* const kGroupSizeNotNumber = "Illegal signs in argument (Number)";
const char* const kGroupAlreadyHere = "Signal Group already here";
const char* const kEncodingAlreadyDefined = "Signal Encoding already defined";
const char* const kRepresentationDoubled = "Signal Rep. doubled";

// Signals: "<name> : <size>, <initial value>, <publisher>, <subscriber>, ... ;"
// where the initial value is a number or a byte list "{ b0, b1, ... }".
// The initial value is a signal's third parameter and fills 16 bits at most;
// a negative one is taken as its 16-bit two's complement.
constexpr int kInitValueSlot = 2;
constexpr std::int64_t kMinInitValue = -0x8000;
constexpr std::int64_t kMaxInitValue = 0xFFFF;

class SignalsParser : SectionParser {
public:
    SignalsParser(LinNetwork& network, int& pos) : SectionParser(network, pos), m_signals(network, network.signals) {}

    void Run()
    {
        RunDelimitedLoop(m_net, m_pos, m_pending, ':', [this] { ReadSignal(); });
    }

private:
    // What follows the initial value.
    enum class Rest { Parameters, NoParameters, Discarded };

    void ReadSignal()
    {
        auto signal = std::make_unique<LinSignal>(TakePending(m_pending));
        m_net.CheckContiguous(m_pos - 1, signal->name);
        if (TakePlainSignal(signal))
            return;
        const std::string size = m_net.ReadTokenUntilComma(m_pos, true);
        if (!IsWholeToken(m_net, m_pos, size)) {
            Report(msg::NoArgument);
            ReadParameters(std::move(signal));
            return;
        }
        if (!m_net.IntFits(size, m_pos)) {
            MoveToFirstOf(";}");  // the statement goes with its number
            return;
        }
        signal->AddParameter(size);
        switch (ReadInitialValue(*signal)) {
        case Rest::Parameters:
            ReadParameters(std::move(signal));
            break;
        case Rest::NoParameters:
            Report(kParameterCount);
            Store(std::move(signal));
            break;
        case Rest::Discarded:
            break;
        }
    }

    // "<size>, <initial value>, <publisher>, <subscriber>, ...;" as a plain
    // statement, with a size and an initial value of a few decimal digits:
    // the statement most signals are. Every check of ReadSignal passes on
    // it, so it is taken in one pass, with the same records and the same
    // position. False, and nothing read, for any other statement.
    bool TakePlainSignal(std::unique_ptr<LinSignal>& signal)
    {
        constexpr std::size_t kSizeDigits = 9;  // always an int
        constexpr std::size_t kInitDigits = 4;  // always within 16 bits
        const int end = m_net.ReadPlainTokens(m_pos, ',', ';', m_tokens);
        if (end < 0 || m_tokens.size() < 4 || !IsDecimal(m_tokens[0], kSizeDigits) ||
            !IsDecimal(m_tokens[1], kInitDigits))
            return false;
        signal->subscribers.reserve(m_tokens.size() - 3);
        for (std::size_t i = 0; i < m_tokens.size(); ++i)
            signal->AddParameter(std::string(m_tokens[i]));
        m_pos = end;
        Store(std::move(signal));
        return true;
    }

    static bool IsDecimal(std::string_view token, std::size_t maxDigits)
    {
        return token.size() <= maxDigits &&
               std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    // Looks past the comma after the size. A byte list is read here; a
    // number is left for ReadParameters; a second comma means no initial
    // value.
    Rest ReadInitialValue(LinSignal& signal)
    {
        int next = m_pos + 1;
        while (CharAt(m_net, next) != '\0' && m_net.SkipCommentAt(next))
            ++next;
        const char c = CharAt(m_net, next);
        if (c == ',') {
            m_pos = next;
            ++signal.fillCount;  // the initial value's slot stays empty
            return Rest::Parameters;
        }
        if (c != '{')
            return Rest::Parameters;
        m_pos = next;
        return ReadByteArray(signal);
    }

    Rest ReadByteArray(LinSignal& signal)
    {
        const int commas = m_net.CountCommasUntil(m_pos, '}');
        if (commas < 0) {
            Report(msg::NoLineEnd);
            return Rest::Parameters;
        }
        bool fits = true;
        const auto take = [&](const std::string& byte) {
            fits = m_net.NumberFits(byte, kMinInitValue, kMaxInitValue, m_pos) && fits;
            signal.AddInitByte(byte);
        };
        if (!ReadCountedList(m_net, m_pos, commas, '}', msg::NoLineEnd, take) || !fits) {
            MoveToFirstOf(";}");  // the rest of the statement goes with the signal
            return Rest::Discarded;
        }
        switch (MoveToFirstOf(",;}")) {
        case ',':
            return Rest::Parameters;
        case ';':
            return Rest::NoParameters;
        default:
            Report(msg::NoLineEnd);
            return Rest::Discarded;
        }
    }

    // Moves onto the first of the stop characters after the position and
    // returns it (NUL at the end of the text). A '}' closes the section, so
    // the position then rests just before it, for the section loop.
    char MoveToFirstOf(const char* stops)
    {
        const std::size_t found = m_net.fileText.find_first_of(stops, static_cast<std::size_t>(m_pos) + 1);
        if (found == std::string::npos) {
            m_pos = static_cast<int>(m_net.fileText.size());
            return '\0';
        }
        m_pos = static_cast<int>(found);
        const char stop = CharAt(m_net, m_pos);
        if (stop == '}')
            --m_pos;
        return stop;
    }

    // Initial value (unless a byte list), publisher and subscribers.
    void ReadParameters(std::unique_ptr<LinSignal> signal)
    {
        const int commas = m_net.CountCommasUntil(m_pos + 1, ';');
        if (commas < 0) {
            Report(msg::NoLineEnd);
            return;
        }
        if (commas < (signal->isByteArray ? 1 : 2))
            Report(kParameterCount);
        // All but the initial value and the publisher are subscribers.
        signal->subscribers.reserve(static_cast<std::size_t>(std::max(commas - (signal->isByteArray ? 0 : 1), 0)));
        bool fits = true;
        const auto take = [&](std::string&& value) {
            if (signal->fillCount == kInitValueSlot && !signal->isByteArray)
                fits = m_net.NumberFits(value, kMinInitValue, kMaxInitValue, m_pos);
            signal->AddParameter(std::move(value));
        };
        if (ReadCountedList(m_net, m_pos, commas, ';', msg::NoLineEnd, take) && fits)
            Store(std::move(signal));
    }

    void Store(std::unique_ptr<LinSignal> signal)
    {
        if (!m_signals.Append(std::move(signal)))
            Report(kIdenticalSignal);
    }

    UniqueNameList<LinSignal> m_signals;
    PlainTokens m_tokens;
};

// Signal_groups: "<group> : <size> { <signal>, <offset>; ... }".
class SignalGroupsParser : SectionParser {
public:
    SignalGroupsParser(LinNetwork& network, int& pos)
        : SectionParser(network, pos), m_groups(network, network.signalGroups)
    {
    }

    void Run()
    {
        RunDelimitedLoop(m_net, m_pos, m_pending, ':', [this] { ReadGroup(); });
    }

private:
    void ReadGroup()
    {
        const std::string name = TakePending(m_pending);
        if (!m_net.CheckContiguous(m_pos - 1, name))
            return;
        const std::string size = m_net.ReadUntilOpenBrace(m_pos);
        if (!IsWholeToken(m_net, m_pos, size)) {
            Report(msg::FalseParameters);
            return;
        }
        ++m_pos;
        auto group = std::make_unique<SignalGroup>();
        group->AddParameter(name);
        if (!group->AddParameter(size))
            Report(kGroupSizeNotNumber);
        ReadMembers(*group);
        if (!m_groups.Append(std::move(group)))
            Report(kGroupAlreadyHere);
    }

    void ReadMembers(SignalGroup& group)
    {
        std::string pending;
        NameIndex members;
        RunDelimitedLoop(m_net, m_pos, pending, ',', [&] {
            if (!IsWholeToken(m_net, m_pos, pending)) {
                Report(msg::FalseParameters);
                return;
            }
            const std::string signal = TakePending(pending);
            const std::string offset = m_net.ReadTokenUntilSemicolon(m_pos);
            if (!IsWholeToken(m_net, m_pos, offset)) {
                Report(msg::FalseParameters);
                return;
            }
            if (members.Contains(signal)) {
                Report(msg::SignalAlreadyHere);
                return;
            }
            members.Insert(signal);
            group.AddSignal(signal, offset);
        });
    }

    UniqueNameList<SignalGroup> m_groups;
};

// Signal_encoding_types: "<encoding> { <value lines> }".
class EncodingTypesParser : SectionParser {
public:
    EncodingTypesParser(LinNetwork& network, int& pos)
        : SectionParser(network, pos), m_types(network, network.encodingTypes)
    {
    }

    void Run()
    {
        RunDelimitedLoop(m_net, m_pos, m_pending, '{', [this] { ReadType(); });
    }

private:
    void ReadType()
    {
        auto type = std::make_unique<EncodingType>(TakePending(m_pending));
        ++m_pos;
        ReadValueLines(*type);
        if (!m_types.Append(std::move(type)))
            Report(kEncodingAlreadyDefined);
    }

    // A line keyword ends at ',' when values follow, at ';' when none do.
    void ReadValueLines(EncodingType& type)
    {
        std::string pending;
        // A line adds at most one value to one of the two lists; a line that
        // is kept gives back what its reading added to either.
        std::size_t logicalBefore = 0;
        std::size_t physicalBefore = 0;
        UnreadKeeper keeper(
            m_net, type.unread, UnreadKeeper::Ends::AtSemicolon,
            [&type] { return type.logicalValues.size() + type.physicalRanges.size(); },
            [&](std::size_t) {
                type.logicalValues.resize(logicalBefore);
                type.physicalRanges.resize(physicalBefore);
            });
        RunSectionLoop(
            m_net, m_pos, pending,
            [&](char c) {
                const auto endsLine = [](char next) { return next == ',' || next == ';'; };
                if (!endsLine(c)) {
                    CollectRun(m_net.fileText, m_pos, pending, endsLine);
                    return;
                }
                logicalBefore = type.logicalValues.size();
                physicalBefore = type.physicalRanges.size();
                const std::size_t recordsBefore = keeper.RecordsRead();
                const bool known = c == ',' ? ReadValueLine(type, TakePending(pending), keeper)
                                            : CountPlainLine(type, TakePending(pending));
                if (known)
                    keeper.KeepIfUnread(m_pos, pending, recordsBefore);
                else
                    keeper.Keep(m_pos, pending);
            },
            &keeper);
    }

    bool IsKeyword(const std::string& text, const char* keyword)
    {
        return text == keyword && IsWholeToken(m_net, m_pos, text);
    }

    // False, and reported, when the keyword is no value kind.
    bool ReadValueLine(EncodingType& type, const std::string& keyword, UnreadKeeper& keeper)
    {
        const bool logical = IsKeyword(keyword, kw::LogicalValue);
        if (!logical && !IsKeyword(keyword, kw::PhysicalValue))
            return ReportWrongKeyword();
        if (TakePlainValueLine(type, logical, keeper))
            return true;
        if (logical)
            ReadValueAndText(TextForm::Quoted, [&](const std::string& value, const std::string& text) {
                type.AddLogicalValue(ParseInt(value), text);
            });
        else
            ReadPhysicalRange(type);
        return true;
    }

    // The rest of a value line as a plain statement gives it, from the
    // comma after its keyword: the value (a logical value) or the four
    // numbers (a physical range), then perhaps its text, quoted or, for a
    // range, a bare unit. Every check of the general reading passes on it,
    // so it is taken in one pass, with the same value and the same
    // position. False, and nothing read, for any other line.
    bool TakePlainValueLine(EncodingType& type, bool logical, UnreadKeeper& keeper)
    {
        const std::size_t numbers = logical ? 1 : 4;
        const int end = m_net.ReadPlainTokens(m_pos, ',', ';', m_tokens, true);
        if (end < 0 || m_tokens.size() < numbers || m_tokens.size() > numbers + 1)
            return false;
        std::string_view text = m_tokens.size() > numbers ? m_tokens[numbers] : std::string_view();
        const bool quoted = !text.empty() && text.front() == '"';
        if ((logical && !text.empty() && !quoted) || m_tokens[numbers - 1].front() == '"')
            return false;
        // From the keyword to the ';' the line holds no comment or brace,
        // and a quote only in the pair around its text.
        keeper.NoteStatementEnd(end);
        m_pos = end;
        if (quoted)
            text = text.substr(1, text.size() - 2);
        if (logical)
            type.AddLogicalValue(ParseInt(std::string(m_tokens[0])), std::string(text));
        else
            AddPhysicalRange(type, {std::string(m_tokens[0]), std::string(m_tokens[1]), std::string(m_tokens[2])},
                             std::string(m_tokens[3]), std::string(text));
        return true;
    }

    bool CountPlainLine(EncodingType& type, const std::string& keyword)
    {
        if (IsKeyword(keyword, kw::BcdValue))
            ++type.bcdCount;
        else if (IsKeyword(keyword, kw::AsciiValue))
            ++type.asciiCount;
        else
            return ReportWrongKeyword();
        return true;
    }

    bool ReportWrongKeyword()
    {
        Report(msg::WrongKeyword);
        return false;
    }

    // physical_value, <min>, <max>, <scale>, <offset> [, "<text>"]; the
    // unit text may also stand without quotes.
    void ReadPhysicalRange(EncodingType& type)
    {
        RangeStart start;
        start.min = m_net.ReadTokenUntilComma(m_pos, false);
        start.max = m_net.ReadTokenUntilComma(m_pos, false);
        start.scale = m_net.ReadTokenUntilComma(m_pos, false);
        if (start.min.empty() || start.max.empty() || start.scale.empty()) {
            Report(msg::FalseParameters);
            return;
        }
        ReadValueAndText(TextForm::UnitText, [&](const std::string& offset, const std::string& text) {
            AddPhysicalRange(type, start, offset, text);
        });
    }

    // The numbers of a physical range before its offset, as read.
    struct RangeStart {
        std::string min;
        std::string max;
        std::string scale;
    };

    void AddPhysicalRange(EncodingType& type, const RangeStart& start, const std::string& offset,
                          const std::string& text)
    {
        const std::optional<double> scaleValue = m_net.Finite(ParseDouble(start.scale), m_pos);
        const std::optional<double> offsetValue = m_net.Finite(ParseDouble(offset), m_pos);
        if (scaleValue && offsetValue)
            type.AddPhysicalRange(ParseInt(start.min), ParseInt(start.max), *scaleValue, *offsetValue, text);
    }

    enum class TextForm { Quoted, UnitText };

    // The end of a value line after the comma the position rests on:
    // "<value>, "<text>";" or "<value>;". add(value, text) takes it when
    // both could be read; the text is empty in the second form. Commas and
    // semicolons inside the quoted text are part of it.
    template <typename Add> void ReadValueAndText(TextForm form, Add add)
    {
        int stop = m_pos;
        const int commas = m_net.CountCommasOutsideQuotes(m_pos, stop);
        if (commas == 1) {
            const std::string value = ReadValue(form, ';');
            if (IsWholeToken(m_net, m_pos, value))
                add(value, std::string());
            else
                Report(msg::NoArgument);
            return;
        }
        if (commas != 2) {
            Report(msg::NoLineEnd);
            if (commas < 0)  // the rest up to the stop cannot end the line
                m_pos = CharAt(m_net, stop) == '}' ? stop - 1 : stop;
            return;
        }
        const std::string value = ReadValue(form, ',');
        const bool valueRead = IsWholeToken(m_net, m_pos, value);
        if (!valueRead)
            Report(msg::NoArgument);
        std::string text = m_net.ReadRawUntilSemicolon(m_pos);
        if (text.empty())
            Report(msg::NoLineEnd);
        else if ((IsUnitText(form, text) || m_net.StripQuotes(text, m_pos)) && valueRead)
            add(value, text);
    }

    // A logical value is a number; an offset may carry an exponent sign.
    std::string ReadValue(TextForm form, char end)
    {
        const bool namesOnly = form == TextForm::Quoted;
        return end == ';' ? m_net.ReadTokenUntilSemicolon(m_pos, namesOnly)
                          : m_net.ReadTokenUntilComma(m_pos, namesOnly);
    }

    // An unquoted unit, such as V, is taken as the text it names.
    static bool IsUnitText(TextForm form, std::string& text)
    {
        if (form != TextForm::UnitText)
            return false;
        const std::size_t first = text.find_first_not_of(" \t");
        const std::size_t last = text.find_last_not_of(" \t");
        if (first == std::string::npos)
            return false;
        const std::string unit = text.substr(first, last - first + 1);
        if (unit.find_first_of("\" \t") != std::string::npos || !IsValidNameChars(unit))
            return false;
        text = unit;
        return true;
    }

    UniqueNameList<EncodingType> m_types;
    PlainTokens m_tokens;
};

// Signal_representation: "<encoding> : <signal>, <signal>, ... ;".
class RepresentationsParser : SectionParser {
public:
    RepresentationsParser(LinNetwork& network, int& pos)
        : SectionParser(network, pos), m_representations(network, network.signalRepresentations)
    {
    }

    void Run()
    {
        RunDelimitedLoop(m_net, m_pos, m_pending, ':', [this] { ReadRepresentation(); });
    }

private:
    void ReadRepresentation()
    {
        if (!IsWholeToken(m_net, m_pos, m_pending)) {
            Report(msg::FalseParameters);
            return;
        }
        auto representation = std::make_unique<SignalRepresentation>(TakePending(m_pending));
        const int commas = m_net.CountCommasUntil(m_pos, ';');
        if (commas < 0) {
            Report(msg::NoLineEnd);
            return;
        }
        // Signal names are taken as read, blanks inside or not.
        for (int i = 0; i < commas; ++i) {
            const std::string name = m_net.ReadTokenUntilComma(m_pos, true);
            if (name.empty())
                Report(msg::NoArgument);
            else
                representation->AddSignal(name);
        }
        const std::string last = m_net.ReadTokenUntilSemicolon(m_pos);
        if (last.empty()) {
            Report(msg::NoLineEnd);
            return;
        }
        representation->AddSignal(last);
        if (!m_representations.Append(std::move(representation)))
            Report(kRepresentationDoubled);
    }

    UniqueNameList<SignalRepresentation> m_representations;
};

}  // namespace

void LinNetwork::ParseSignals(int& pos, const std::string&) { SignalsParser(*this, pos).Run(); }

void LinNetwork::ParseSignalGroups(int& pos, const std::string&) { SignalGroupsParser(*this, pos).Run(); }

void LinNetwork::ParseEncodingTypes(int& pos, const std::string&) { EncodingTypesParser(*this, pos).Run(); }

void LinNetwork::ParseRepresentations(int& pos, const std::string&) { RepresentationsParser(*this, pos).Run(); }
