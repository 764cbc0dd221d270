// Parser of the Schedule_tables section: named tables whose slots are frames
// or one of the diagnostic and configuration commands, each with a delay.
// Names and values are taken as read; later checks judge them.

#include "ldf/Keywords.h"
#include "ldf/ScheduleCommands.h"
#include "ldf/ShortText.h"
#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "model/VersionTable.h"
#include "reader/SectionLoop.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kSlotDelayMissing = "Delay in ms (xxxx ms) not found";
const char* const kArgumentCountFalse = "Number of arguments false";
const char* const kDelayKeywordMissing = "Delay keyword not found";
const char* const kMsKeywordMissing = "ms keyword not found";
const char* const kDelayValueMissing = "No delay parameter found";

constexpr std::string_view kDelay = kw::Delay;
constexpr std::string_view kMs = kw::Ms;

// The pending text is tested against every command keyword after each
// character; as views the keywords are compared without counting their
// letters every time.
template <std::size_t... I> constexpr auto KeywordViews(std::index_sequence<I...>)
{
    return std::array<std::string_view, sizeof...(I)>{std::string_view(kScheduleCommands[I].keyword)...};
}
constexpr auto kCommandKeywords = KeywordViews(std::make_index_sequence<std::size(kScheduleCommands)>());

// The payload of a command from the values of its block, in file order.
std::unique_ptr<ScheduleCommand> MakePayload(const ScheduleCommandSpec& command, const std::vector<std::string>& values)
{
    auto number = [&](std::size_t i) { return i < values.size() ? ParseInt(values[i]) : 0; };
    auto text = [&](std::size_t i) { return i < values.size() ? values[i] : std::string(); };
    switch (command.kind) {
    case kAssignFrameId:
    case kUnassignFrameId:
        return std::make_unique<FrameIdCommand>(text(0), text(1));
    case kAssignNad: {
        auto payload = std::make_unique<AssignNadCommand>();
        if (values.size() == 1) {
            payload->nodeName = text(0);
            return payload;
        }
        payload->initialNad = number(0);
        payload->newNad = number(1);
        payload->supplierId = number(2);
        payload->functionId = number(3);
        return payload;
    }
    case kFreeFormat: {
        auto payload = std::make_unique<FreeFormatCommand>();
        for (std::size_t i = 0; i < payload->data.size(); ++i)
            payload->data[i] = number(i);
        return payload;
    }
    case kAssignFrameIdRange:
    case kConditionalChangeNad:
    case kDataDump:
    case kSaveConfiguration: {
        auto payload = std::make_unique<NodeCommand>();
        const std::size_t first = command.namesNode ? 1 : 0;
        if (command.namesNode)
            payload->nodeName = text(0);
        for (std::size_t i = first; i < values.size(); ++i)
            payload->values.push_back(number(i));
        return payload;
    }
    default:
        return std::make_unique<ScheduleCommand>();
    }
}

// True when the keyword just read is only the head of a longer one that the
// text goes on with (AssignFrameId in AssignFrameIdRange).
bool BeginsLongerKeyword(const std::string& text, int pos, std::string_view word)
{
    for (const std::string_view other : kCommandKeywords) {
        if (other.size() > word.size() && other.substr(0, word.size()) == word &&
            text.compare(static_cast<std::size_t>(pos) + 1, other.size() - word.size(), other.substr(word.size())) == 0)
            return true;
    }
    return false;
}

// Reads the slots of one table, from just after its '{' up to its '}'.
class TableBodyReader {
public:
    // The version is that of the whole section: no statement inside it
    // changes the version.
    TableBodyReader(LinNetwork& network, const lin::VersionRow& version, int& pos, ScheduleTable& table)
        : m_net(network), m_version(version), m_pos(pos), m_table(table),
          m_keeper(network, table.unread, UnreadKeeper::Ends::AtSemicolon, [&table] { return table.entries.size(); })
    {
    }

    void Run()
    {
        RunSectionLoop(
            m_net, m_pos, m_pending, [this](char c) { ReadChar(c); }, &m_keeper);
    }

private:
    void ReadChar(char c)
    {
        // A statement that ends before it was read as a slot or a command is
        // none of them.
        // A ';' ends, and a '{' that no command opened begins, a statement
        // that is none of them; its braces are passed over with it.
        if (c == ';' || (c == '{' && !m_pending.empty())) {
            m_delayPending = false;
            m_keeper.Keep(m_pos, m_pending);
            return;
        }
        if (m_pending.empty() && !m_delayPending && TakePlainSlot())
            return;
        // Tested after every character: a command keyword acts as soon as
        // its last letter is read, so a frame whose name begins with one
        // (MasterReqFrame) or contains "delay" cannot be a frame slot.
        // The characters of a name that follow go the same way here, without
        // a round of the section loop each.
        for (;; c = m_net.fileText[static_cast<std::size_t>(++m_pos)]) {
            m_pending += c;
            // A "delay" in the pending text can only be new at its end.
            m_delayPending = m_delayPending || (c == kDelay.back() && EndsWith(m_pending, kDelay));
            if (m_delayPending) {
                KeepUnlessTaken(ReadFrameSlot());
                return;
            }
            if (ReadCommandEndingHere() || !NameGoesOn())
                return;
        }
    }

    // "<frame> delay <n> ms;" as a plain statement (words separated by
    // blanks), with a delay of a few digits: the slot most tables are made
    // of; or a command in place of the frame, with its values as a plain
    // list in braces where it takes some ("AssignNAD { 1, 2, 3, 4 }"). Where
    // no other command keyword begins the first word followed by "delay" and
    // the word holds no "delay", the reading character by character comes to
    // the same entry at the same place, and every check on the way passes:
    // it is taken in one pass. False, and nothing read, for any other
    // statement.
    bool TakePlainSlot()
    {
        const std::string_view word = m_net.PlainTokenAt(m_pos);
        if (word.empty() || word.find(kDelay) != std::string_view::npos)
            return false;
        const ScheduleCommandSpec* command = nullptr;
        if (CanBeginCommand(word.front())) {
            for (std::size_t i = 0; i < kCommandKeywords.size(); ++i) {
                if (!ReadsAsCommand(word, kCommandKeywords[i]))
                    continue;
                if (command || kCommandKeywords[i] != word)
                    return false;
                command = &kScheduleCommands[i];
            }
        }
        int last = m_pos + static_cast<int>(word.size()) - 1;
        if (command && command->argumentCount > 0 && !ReadPlainBlock(*command, last))
            return false;
        const int end = m_net.ReadPlainTokens(last, ' ', ';', m_words);
        if (end < 0 || m_words.size() != 3 || m_words[0] != kDelay || !IsShortNumber(m_words[1]) || m_words[2] != kMs)
            return false;
        const double delay = ParseTime(std::string(m_words[1]));
        if (command) {
            std::vector<std::string> values;
            if (command->argumentCount > 0) {
                values.reserve(m_values.size());
                for (std::size_t i = 0; i < m_values.size(); ++i)
                    values.emplace_back(m_values[i]);
            }
            Append(delay, command->kind, MakePayload(*command, values));
        } else {
            Append(delay, kFrameSlot, std::make_unique<FrameSlotCommand>(std::string(word)));
        }
        m_pos = end;
        m_keeper.NoteStatementEnd(end);
        return true;
    }

    // "{ <v1>, ..., <vn> }" after the keyword that ends at last, with blanks
    // only around its braces, and as many values as the command takes: read
    // into m_values, with last moved onto the '}'.
    bool ReadPlainBlock(const ScheduleCommandSpec& command, int& last)
    {
        int open = last + 1;
        while (IsBlank(CharAt(m_net, open)))
            ++open;
        if (CharAt(m_net, open) != '{')
            return false;
        const int close = m_net.ReadPlainTokens(open, ',', '}', m_values);
        if (close < 0 || !command.TakesArguments(static_cast<int>(m_values.size()), m_version.lin21Forms))
            return false;
        last = close;
        return true;
    }

    // A delay of a few digits and points, always a finite number.
    static bool IsShortNumber(std::string_view text)
    {
        constexpr std::size_t kMaxChars = 9;
        return text.size() <= kMaxChars &&
               std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    }

    // Whether the reading character by character of the word followed by
    // "delay" comes to the keyword: the keyword is the word, a beginning of
    // it, or the word followed by the first letters of "delay".
    static bool ReadsAsCommand(std::string_view word, std::string_view keyword)
    {
        const std::size_t inWord = std::min(keyword.size(), word.size());
        return keyword.size() < word.size() + kDelay.size() && keyword.substr(0, inWord) == word.substr(0, inWord) &&
               keyword.substr(inWord) == kDelay.substr(0, keyword.size() - inWord);
    }

    static bool CanBeginCommand(char c)
    {
        static const std::bitset<256> kStarts = [] {
            std::bitset<256> starts;
            for (const std::string_view keyword : kCommandKeywords)
                starts.set(static_cast<unsigned char>(keyword.front()));
            return starts;
        }();
        return kStarts.test(static_cast<unsigned char>(c));
    }

    // True when the pending text is a command keyword, which was read.
    bool ReadCommandEndingHere()
    {
        static const KeywordShapes kShapes(kCommandKeywords, [](std::string_view keyword) { return keyword; });
        if (!kShapes.MayMatch(m_pending))
            return false;
        for (std::size_t i = 0; i < kCommandKeywords.size(); ++i) {
            const ScheduleCommandSpec& command = kScheduleCommands[i];
            const std::string_view keyword = kCommandKeywords[i];
            if (SameText(m_pending, keyword) && !BeginsLongerKeyword(m_net.fileText, m_pos, keyword)) {
                KeepUnlessTaken(ReadCommand(command));
                return true;
            }
        }
        return false;
    }

    // Whether the next character is one the section loop would hand on to
    // be added to the pending text.
    bool NameGoesOn() const
    {
        const char next = CharAt(m_net, m_pos + 1);
        return next != '\0' && LoopHandsOn(next) && next != ';' && next != '{';
    }

    // A slot or command is taken only when its reading ended on the
    // statement's end. One that stopped short of it or ran past it is given
    // back and the statement kept whole: the kept text brings it again when
    // read back, and what follows it is read on.
    void KeepUnlessTaken(bool taken)
    {
        if (taken && m_keeper.EndsElsewhere(m_pos)) {
            m_table.entries.pop_back();
            taken = false;
        }
        if (!taken)
            m_keeper.Keep(m_pos, m_pending);
        if (m_pending.empty())
            m_delayPending = false;
    }

    // "<frame> delay <n> ms;", with the position on the last letter of
    // delay; false when the slot was not taken.
    bool ReadFrameSlot()
    {
        if (!m_net.CheckContiguous(m_pos, kDelay)) {
            m_net.AddMessage(kSlotDelayMissing, m_pos);
            return false;
        }
        const std::size_t delayLength = kDelay.size();
        const std::string frameName = m_pending.substr(0, m_pending.size() - delayLength);
        ClearPending();
        m_net.CheckContiguous(m_pos - static_cast<int>(delayLength), frameName);
        const std::string delay = m_net.ReadValueWithUnit(m_pos, kMs);
        if (delay.empty()) {
            m_net.AddMessage(kSlotDelayMissing, m_pos);
            return false;
        }
        if (!m_net.CheckContiguous(m_pos - 1, kMs)) {
            m_net.AddMessage(msg::NotContiguous, m_pos);
            return false;
        }
        const std::optional<double> delayMs = m_net.Finite(ParseTime(delay), m_pos);
        if (delayMs)
            Append(*delayMs, kFrameSlot, std::make_unique<FrameSlotCommand>(frameName));
        return delayMs.has_value();
    }

    // A command, with the position on the last letter of its keyword; false
    // when it was not taken.
    bool ReadCommand(const ScheduleCommandSpec& command)
    {
        m_net.CheckContiguous(m_pos, m_pending);  // the keyword
        ClearPending();
        std::vector<std::string> values;
        if (command.argumentCount > 0 && !ReadParameterBlock(command, values))
            return false;
        double delay = 0;
        if (!ReadCommandDelay(delay))
            return false;
        Append(delay, command.kind, MakePayload(command, values));
        return true;
    }

    // "{ <v1>, ..., <vn> }"; false when the command must be left out. A value
    // before the last that cannot be read is reported and kept empty.
    bool ReadParameterBlock(const ScheduleCommandSpec& command, std::vector<std::string>& values)
    {
        if (!m_net.SkipToBlockStart(m_pos)) {
            m_net.AddMessage(msg::AssignmentFalse, m_pos);
            return false;
        }
        const int commas = m_net.CountCommasUntil(m_pos, '}');
        const int count = commas + 1;
        if (commas < 0 || !command.TakesArguments(count, m_version.lin21Forms)) {
            m_net.AddMessage(commas == 0 ? kArgumentCountFalse : msg::NoLineEnd, m_pos);
            return false;
        }
        // Back onto the '{', because the readers first step past the
        // character they start on and the first value may follow it directly.
        --m_pos;
        values.reserve(static_cast<std::size_t>(count));
        for (int i = 1; i < count; ++i) {
            std::string value = m_net.ReadTokenUntilComma(m_pos, true);
            if (!IsWholeToken(m_net, m_pos, value)) {
                m_net.AddMessage(msg::NoArgument, m_pos);
                value.clear();
            }
            values.push_back(value);
        }
        const std::string last = m_net.ReadTokenUntilCloseBrace(m_pos);
        if (!IsWholeToken(m_net, m_pos, last)) {
            m_net.AddMessage(msg::NoLineEnd, m_pos);
            return false;
        }
        values.push_back(last);
        return true;
    }

    // "delay <n> ms;" after a command, on one line; blanks do not count.
    bool ReadCommandDelay(double& delay)
    {
        const std::string text = m_net.ReadCompactUntilSemicolon(m_pos);
        const char* problem = nullptr;
        if (text.empty())
            problem = msg::NoLineEnd;
        else if (!StartsWith(text, kDelay))
            problem = kDelayKeywordMissing;
        else if (!EndsWith(text, kMs))
            problem = kMsKeywordMissing;
        const std::size_t head = kDelay.size();
        const std::size_t tail = kMs.size();
        if (!problem && text.size() <= head + tail)
            problem = kDelayValueMissing;
        if (problem) {
            m_net.AddMessage(problem, m_pos);
            return false;
        }
        const std::optional<double> delayMs =
            m_net.Finite(ParseTime(text.substr(head, text.size() - head - tail)), m_pos);
        delay = delayMs.value_or(0.0);
        return delayMs.has_value();
    }

    void ClearPending()
    {
        m_pending.clear();
        m_delayPending = false;
    }

    void Append(double delay, ScheduleEntryKind kind, std::unique_ptr<ScheduleCommand> payload)
    {
        m_table.entries.Append(std::make_unique<ScheduleEntry>(delay, kind, std::move(payload)));
    }

    LinNetwork& m_net;
    const lin::VersionRow& m_version;
    int& m_pos;
    ScheduleTable& m_table;
    std::string m_pending;
    bool m_delayPending = false;  // the pending text contains "delay"
    UnreadKeeper m_keeper;
    PlainTokens m_words;
    PlainTokens m_values;
};

}  // namespace

void LinNetwork::ParseScheduleTables(int& pos, const std::string&)
{
    RecordNameIndex& tableNames = ReaderListIndexes().Of(scheduleTables);
    const lin::VersionRow& version = Version();
    std::string pending;
    UnreadKeeper keeper(
        *this, unreadInSections[kw::ScheduleTables], UnreadKeeper::Ends::AtSemicolonOrBlock,
        [this] { return scheduleTables.size(); },
        [this](std::size_t n) { ReaderListIndexes().GiveBack(scheduleTables, n); });
    RunDelimitedLoop(
        *this, pos, pending, '{',
        [&] {
            // A bad name stays pending; the table's slots then run into it.
            if (!IsWholeToken(*this, pos, pending)) {
                AddMessage(msg::FalseParameters, pos);
                return;
            }
            auto table = std::make_unique<ScheduleTable>(pending);
            pending.clear();
            ++pos;
            TableBodyReader(*this, version, pos, *table).Run();
            // A table is read once; the room its list grew into would stay.
            table->entries.shrink_to_fit();
            if (!tableNames.Insert(table->name)) {
                AddMessage(msg::NodeDoubled, pos);
                return;
            }
            scheduleTables.Append(std::move(table));
        },
        &keeper);
}
