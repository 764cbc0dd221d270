// Parsers of the sections that describe frames: Frames, Event_triggered_frames,
// Sporadic_frames and Diagnostic_frames. Ids, publishers and the names of
// signals and frames are taken as read; later checks judge them.

#include "ldf/HexPrefix.h"
#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "model/NameIndex.h"
#include "reader/SectionLoop.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kFrameAlreadyDefined = "Frame already defined";
const char* const kEventFrameAlreadyHere = "Event tr. Frm already here";
const char* const kMasterReqIdFalse = "ID false, '60' expected";
const char* const kSlaveRespIdFalse = "ID false, '61' expected";

bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

// The name that opens a "<name> : ..." statement, with the position on the
// colon. Blanks inside it are reported but do not stop the statement.
std::string TakeStatementName(LinNetwork& net, int colonPos, std::string& pending)
{
    std::string name;
    name.swap(pending);
    net.CheckContiguous(colonPos - 1, name);
    return name;
}

// The signals a frame has placed, which are its list of signal names. A
// frame holds a few: they are compared one by one, and only a body that
// goes on far longer is indexed.
class PlacedSignals {
public:
    explicit PlacedSignals(const NameList& names) : m_names(names) {}

    bool Contains(std::string_view name)
    {
        constexpr std::size_t kComparedUpTo = 16;
        if (m_names.size() <= kComparedUpTo)
            return std::find(m_names.begin(), m_names.end(), name) != m_names.end();
        for (; m_indexed < m_names.size(); ++m_indexed)
            m_index.Insert(m_names[m_indexed]);
        return m_index.Contains(name);
    }

private:
    const NameList& m_names;
    NameIndex m_index;
    std::size_t m_indexed = 0;
};

// Reads the "<signal>, <offset>;" lines of a frame body up to the '}' that
// closes it, into an unconditional or a diagnostic frame.
template <typename Frame> void ReadSignalPlacements(LinNetwork& net, int& pos, Frame& frame)
{
    PlacedSignals placed(frame.signalNames);
    // Room for the signals of most frames (a frame carries 8 bytes); the
    // lists are trimmed to their size at the end.
    constexpr std::size_t kUsualSignals = 8;
    frame.signalNames.reserve(frame.signalNames.size() + kUsualSignals);
    frame.offsets.reserve(frame.offsets.size() + kUsualSignals);
    std::string pending;
    UnreadKeeper keeper(net, frame.unread, UnreadKeeper::Ends::AtSemicolonOrBlock,
                        [&frame] { return frame.signalNames.size(); });
    const auto place = [&](const std::string& signalName, const std::string& offset) {
        if (placed.Contains(signalName))
            net.AddMessage(msg::SignalAlreadyHere, pos);
        else
            frame.AddSignal(signalName, offset);
    };
    PlainTokens tokens;
    RunDelimitedLoop(
        net, pos, pending, ',',
        [&] {
            // A plain statement passes every check below: it is taken in one
            // pass, its end noted as the keeper would find it.
            const int start = keeper.StatementStart();
            const int end = start < 0 ? -1 : net.ReadPlainTokens(start - 1, ',', ';', tokens);
            if (end >= 0 && tokens.size() == 2 && tokens[0] == pending) {
                pos = end;
                keeper.NoteStatementEnd(end);
                place(TakePending(pending), std::string(tokens[1]));
                return;
            }
            if (!IsWholeToken(net, pos, pending)) {
                net.AddMessage(msg::FalseParameters, pos);
                return;
            }
            const std::string signalName = TakePending(pending);
            const std::string offset = net.ReadTokenUntilSemicolon(pos);
            if (!IsWholeToken(net, pos, offset)) {
                net.AddMessage(msg::FalseParameters, pos);
                return;
            }
            place(signalName, offset);
        },
        &keeper);
    // The lists grew by doubling; a network holds them for its whole life.
    frame.signalNames.shrink_to_fit();
    frame.offsets.shrink_to_fit();
}

// Whether a '{' comes before the ';' or '}' that would end the statement,
// comments passed over. Where none does, the header is broken, and reading
// it on would take the statements and blocks that follow.
bool BodyOpensInStatement(const LinNetwork& net, int pos)
{
    for (pos = std::max(pos, 0); pos < static_cast<int>(net.fileText.size()); ++pos) {
        if (const int commentEnd = net.CommentEnd(pos); commentEnd >= 0) {
            pos = commentEnd;
            continue;
        }
        const char c = CharAt(net, pos);
        if (c == '{')
            return true;
        if (c == ';' || c == '}')
            return false;
    }
    return false;
}

// Reads "<id>, <publisher> {" or "<id>, <publisher>, <length> {" from the
// colon on; true with the position on the '{' when every part is readable.
bool ReadFrameHeader(LinNetwork& net, int& pos, LinFrame& frame)
{
    if (!BodyOpensInStatement(net, pos))
        return false;
    const std::string id = net.ReadTokenUntilComma(pos, true);
    if (!IsWholeToken(net, pos, id) || !net.IntFits(id, pos))
        return false;
    frame.AddParameter(id);
    const int commas = net.CountCommasUntil(pos, '{');
    if (commas == 1) {
        const std::string publisher = net.ReadUntilOpenBrace(pos);
        if (!IsWholeToken(net, pos, publisher))
            return false;
        frame.AddParameter(publisher);
        return true;
    }
    if (commas == 2) {
        const std::string publisher = net.ReadTokenUntilComma(pos, true);
        if (!IsWholeToken(net, pos, publisher))
            return false;
        const std::string length = net.ReadUntilOpenBrace(pos);
        if (!IsWholeToken(net, pos, length) || !net.IntFits(length, pos))
            return false;
        frame.AddParameter(publisher);
        frame.AddParameter(length);
        return true;
    }
    return false;
}

// Reads commas comma-terminated values and a last one up to ';'. Every
// readable value goes to take, every other one gives "No argument
// recognized". True when the last value was readable.
template <typename Take> bool ReadValueList(LinNetwork& net, int& pos, int commas, Take take)
{
    for (int i = 0; i < commas; ++i) {
        const std::string value = net.ReadTokenUntilComma(pos, true);
        if (IsWholeToken(net, pos, value))
            take(value);
        else
            net.AddMessage(msg::NoArgument, pos);
    }
    const std::string last = net.ReadTokenUntilSemicolon(pos);
    if (!IsWholeToken(net, pos, last)) {
        net.AddMessage(msg::NoArgument, pos);
        return false;
    }
    take(last);
    return true;
}

// The two diagnostic frames: the keyword that names each, its only id, and
// where it is kept.
struct DiagnosticFrameSlot {
    const char* keyword;
    int id;
    const char* idFalse;
    DiagnosticFrame LinNetwork::*frame;
};

const DiagnosticFrameSlot kDiagnosticFrameSlots[] = {
    {kw::MasterReq, kw::MasterReqId, kMasterReqIdFalse, &LinNetwork::masterRequest},
    {kw::SlaveResp, kw::SlaveRespId, kSlaveRespIdFalse, &LinNetwork::slaveResponse},
};

// A frame id written as decimal digits or as 0x and hex digits.
bool IsNumberText(const std::string& text)
{
    const bool hex = IsHexNumber(text);
    const std::string digits = hex ? text.substr(2) : text;
    const char* const allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    return !digits.empty() && digits.find_first_not_of(allowed) == std::string::npos;
}

// The words and signs of a Diagnostic_signals block, blanks and comments
// left out; one sign per punctuation character.
std::vector<std::string> BlockTokens(const TextScanner& scanner, int from, int to)
{
    std::vector<std::string> tokens;
    for (int pos = scanner.SkipSeparatorsAndComments(from); pos < to; pos = scanner.SkipSeparatorsAndComments(pos)) {
        const std::size_t wordEnd = scanner.fileText.find_first_of(" \t\r\n/{}:,;", static_cast<std::size_t>(pos));
        const int end = std::min(to, wordEnd == std::string::npos ? to : std::max(static_cast<int>(wordEnd), pos + 1));
        tokens.push_back(scanner.fileText.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(end - pos)));
        pos = end;
    }
    return tokens;
}

const DiagnosticFrameSlot* FindDiagnosticFrameSlot(const std::string& keyword)
{
    for (const DiagnosticFrameSlot& slot : kDiagnosticFrameSlots)
        if (keyword == slot.keyword)
            return &slot;
    return nullptr;
}

// "<name> : <id> { <signal>, <offset>; ... }" of a diagnostic frame other
// than the two standard ones, from just after its ':'; kept as read. False,
// with nothing read, for the id of a standard frame: its name is then a
// misspelt keyword.
bool ReadOtherDiagnosticFrame(LinNetwork& net, int& pos, const std::string& name)
{
    const int start = pos;
    const std::string id = net.ReadUntilOpenBrace(pos);
    const bool number = IsWholeToken(net, pos, id) && IsNumberText(id);
    if (number && (ParseInt(id) == kw::MasterReqId || ParseInt(id) == kw::SlaveRespId)) {
        pos = start;
        return false;
    }
    if (!number) {
        net.AddMessage(msg::FalseParameters, pos);
        PassOverBlock(net.fileText, pos);
        return true;
    }
    ++pos;
    OtherDiagnosticFrame frame;
    frame.name = name;
    frame.frameId = ParseInt(id);
    ReadSignalPlacements(net, pos, frame);
    net.otherDiagnosticFrames.push_back(std::move(frame));
    return true;
}

}  // namespace

void LinNetwork::ParseFrames(int& pos, const std::string&)
{
    RecordNameIndex& frameNames = ReaderListIndexes().Of(frames);
    std::string pending;
    UnreadKeeper keeper(
        *this, unreadInSections[kw::Frames], UnreadKeeper::Ends::AtSemicolonOrBlock, [this] { return frames.size(); },
        [this](std::size_t n) { ReaderListIndexes().GiveBack(frames, n); });
    RunDelimitedLoop(
        *this, pos, pending, ':',
        [&] {
            auto frame = std::make_unique<LinFrame>();
            frame->AddParameter(TakeStatementName(*this, pos, pending));
            if (!ReadFrameHeader(*this, pos, *frame)) {
                AddMessage(msg::FalseParameters, pos);
                return;
            }
            ++pos;
            ReadSignalPlacements(*this, pos, *frame);
            if (!frameNames.Insert(frame->name)) {
                AddMessage(kFrameAlreadyDefined, pos);
                return;
            }
            frames.Append(std::move(frame));
        },
        &keeper);
}

void LinNetwork::ParseEventTriggeredFrames(int& pos, const std::string&)
{
    RecordNameIndex& frameNames = ReaderListIndexes().Of(eventTriggeredFrames);
    std::string pending;
    RunDelimitedLoop(*this, pos, pending, ':', [&] {
        auto frame = std::make_unique<EventTriggeredFrame>(TakeStatementName(*this, pos, pending));
        const int commas = CountCommasUntil(pos, ';');
        if (commas < 1) {
            AddMessage(msg::FalseParameters, pos);
            return;
        }
        // "<name> : <collision table>, <id>, <frame>, ...": a table name
        // starts with a letter or an underscore, an id never does.
        ReadValueList(*this, pos, commas, [&](const std::string& value) {
            if (frame->fillCount == 0 && frame->collisionTable.empty() && IsNameStart(value.front()))
                frame->collisionTable = value;
            else
                frame->AddParameter(value);
        });
        if (!frameNames.Insert(frame->name)) {
            AddMessage(kEventFrameAlreadyHere, pos);
            return;
        }
        eventTriggeredFrames.Append(std::move(frame));
    });
}

void LinNetwork::ParseSporadicFrames(int& pos, const std::string&)
{
    std::string pending;
    RunDelimitedLoop(*this, pos, pending, ':', [&] {
        auto frame = std::make_unique<SporadicFrame>(TakeStatementName(*this, pos, pending));
        const int commas = CountCommasUntil(pos, ';');
        if (commas < 0) {
            AddMessage(msg::NoLineEnd, pos);
            return;
        }
        const auto take = [&](const std::string& name) { frame->frameNames.push_back(name); };
        if (ReadValueList(*this, pos, commas, take))
            sporadicFrames.Append(std::move(frame));
    });
}

void LinNetwork::ParseDiagnosticFrames(int& pos, const std::string&)
{
    std::string pending;
    RunDelimitedLoop(*this, pos, pending, ':', [&] {
        const std::string keyword = pending;
        pending.clear();
        const DiagnosticFrameSlot* slot = FindDiagnosticFrameSlot(keyword);
        if (!slot && IsValidNameChars(keyword) && CheckContiguous(pos - 1, keyword) &&
            ReadOtherDiagnosticFrame(*this, pos, keyword))
            return;
        if (!slot || !CheckContiguous(pos - 1, keyword)) {
            AddMessage(msg::WrongKeyword, pos);
            return;
        }
        const std::string id = ReadUntilOpenBrace(pos);
        const bool idReadable = IsWholeToken(*this, pos, id);
        if (!idReadable || !IsNumberText(id) || ParseInt(id) != slot->id) {
            AddMessage(idReadable ? slot->idFalse : msg::FalseParameters, pos);
            // Passing over the refused block keeps its '}' from ending the section, so the
            // rest of the file is still read.
            PassOverBlock(fileText, pos);
            return;
        }
        ++pos;
        DiagnosticFrame& frame = this->*(slot->frame);
        frame = DiagnosticFrame();
        ReadSignalPlacements(*this, pos, frame);
    });
}

void LinNetwork::ParseDiagnosticSignals(int& pos, const std::string&)
{
    const int open = pos;
    if (!PassOverBlock(fileText, pos))
        return;
    // "<name> : <size>, <initial value>;" and nothing else up to the ';'.
    const std::vector<std::string> tokens = BlockTokens(*this, open + 1, pos);
    for (std::size_t i = 0; i + 5 < tokens.size(); ++i) {
        // Digits too many for a number read as negative: such a line is no signal either.
        const bool wellFormed = tokens[i + 1] == ":" && IsNumberText(tokens[i + 2]) && tokens[i + 3] == "," &&
                                IsNumberText(tokens[i + 4]) && tokens[i + 5] == ";" && IsValidNameChars(tokens[i]) &&
                                ParseInt(tokens[i + 2]) >= 0 && ParseInt(tokens[i + 4]) >= 0;
        if (wellFormed) {
            diagnosticSignals.push_back({tokens[i], ParseInt(tokens[i + 2]), ParseInt(tokens[i + 4])});
            i += 5;
        }
    }
}
