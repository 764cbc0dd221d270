#include "validation/BusLog.h"

#include <charconv>

namespace {

constexpr int kMaxFrameId = 63;
const char* const kGaps = " \t,\r";
constexpr char kComment = '#';

std::string NotATime(const std::string& word) { return "not a time: " + word; }
std::string NotAnId(const std::string& word) { return "not a frame id: " + word; }
std::string NotBytes(const std::string& text) { return "not bytes in hex: " + text; }
std::string NoId() { return "no frame id"; }

// The next word from pos on, pos moved past it; empty at the end.
std::string NextWord(const std::string& text, std::size_t& pos)
{
    const std::size_t first = text.find_first_not_of(kGaps, pos);
    if (first == std::string::npos) {
        pos = text.size();
        return {};
    }
    const std::size_t end = std::min(text.find_first_of(kGaps, first), text.size());
    pos = end;
    return text.substr(first, end - first);
}

bool IsTime(const std::string& word)
{
    double seconds = 0.0;
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, seconds, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == end && seconds >= 0.0;
}

}  // namespace

LogLine ReadLogLine(const std::string& text)
{
    LogLine line;
    std::string content = text.substr(0, text.find(kComment));
    if (!content.empty() && content.back() == '\r')
        content.pop_back();
    std::size_t pos = 0;
    line.time = NextWord(content, pos);
    if (line.time.empty()) {
        line.blank = true;
        return line;
    }
    if (!IsTime(line.time)) {
        line.error = NotATime(line.time);
        return line;
    }
    const std::string id = NextWord(content, pos);
    line.frameId = ReadFrameId(id);
    if (line.frameId < 0 || line.frameId > kMaxFrameId) {
        line.error = id.empty() ? NoId() : NotAnId(id);
        return line;
    }
    const std::string rest = content.substr(pos);
    if (!ReadHexBytes(rest, line.bytes)) {
        const std::size_t first = rest.find_first_not_of(kGaps);
        line.error = NotBytes(rest.substr(first == std::string::npos ? rest.size() : first));
    }
    return line;
}
