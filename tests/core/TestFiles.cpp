#include "TestFiles.h"
#include "compare/NetworkDiff.h"
#include "editing/Document.h"
#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

std::string TestDataDir() { return DUVAZADI_TEST_DATA; }
std::string CorpusDir() { return DUVAZADI_CORPUS; }

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::vector<std::string> LdfFilesIn(const std::string& dir)
{
    std::vector<std::string> files;
    std::error_code error;
    if (!fs::is_directory(dir, error))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(dir, error)) {
        const std::string path = entry.path().string();
        if (entry.is_regular_file() && EndsWith(path, ".ldf") && !EndsWith(path, ".written.ldf"))
            files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string FileCaseName(const std::string& path, const std::string& dir)
{
    std::string name = fs::path(path).lexically_relative(dir).replace_extension().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

std::string WrittenPathOf(const std::string& ldfPath)
{
    return fs::path(ldfPath).replace_extension(".written.ldf").string();
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream stream(text);
    while (std::getline(stream, line))
        lines.push_back(line);
    return lines;
}

std::string SideBySide(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    std::ostringstream out;
    const std::size_t rows = std::max(expected.size(), actual.size());
    out << "  expected | actual\n";
    for (std::size_t i = 0; i < rows; ++i) {
        const std::string e = i < expected.size() ? expected[i] : "";
        const std::string a = i < actual.size() ? actual[i] : "";
        out << (e == a ? "  " : "! ") << e << " | " << a << "\n";
    }
    return out.str();
}

std::string FirstTextDifference(const std::string& expected, const std::string& actual)
{
    if (expected == actual)
        return {};
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const std::size_t line = static_cast<std::size_t>(std::count(expected.begin(), expected.begin() + at, '\n')) + 1;
    auto lineAround = [at](const std::string& text) {
        const std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
        const std::size_t from = (start == std::string::npos || at == 0) ? 0 : start + 1;
        const std::size_t end = text.find('\n', from);
        return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    };
    return "first difference on line " + std::to_string(line) + ", byte " + std::to_string(at) +
           ":\n  expected: " + lineAround(expected) + "\n  actual:   " + lineAround(actual);
}

std::string CompareWithGolden(const std::string& actual, const std::string& path)
{
    if (std::getenv("DUVAZADI_REGENERATE")) {
        std::ofstream(path, std::ios::binary) << actual;
        return {};
    }
    if (!fs::exists(path))
        return "missing golden file " + path;
    const std::string difference = FirstTextDifference(ReadFileBytes(path), actual);
    return difference.empty() ? difference : path + ": " + difference;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

ScratchFolder::ScratchFolder()
{
    static std::mt19937 random(std::random_device{}());
    do
        m_path = fs::temp_directory_path() / ("duvazadi-test-" + std::to_string(random()));
    while (!fs::create_directory(m_path));
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::vector<std::string> ScratchFolder::Entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> FormattedMessages(const MessageLog& log)
{
    std::vector<std::string> texts;
    for (const Message& message : log)
        texts.push_back(FormatMessage(message));
    return texts;
}

std::vector<std::string> AddedMessages(const MessageLog& firstLoad, const MessageLog& reopened)
{
    std::map<std::string, int> earlier;
    for (const Message& message : firstLoad)
        ++earlier[message.Text()];
    std::vector<std::string> added;
    for (const Message& message : reopened) {
        const bool subscriberHint = message.Text() == "Count of parameters incorrect" ||
                                    message.Text().rfind("Warning: Subscriber not here:", 0) == 0;
        // A NAD is kept as read; one read while the text was still LIN 2.1
        // is reported once a later header has made the whole text LIN 2.0.
        const bool nadOfLaterHeader = message.Text() == "NAD out of range (1-127)";
        if (!subscriberHint && !nadOfLaterHeader && --earlier[message.Text()] < 0)
            added.push_back(FormatMessage(message));
    }
    return added;
}

std::unique_ptr<LinNetwork> Prepared(std::unique_ptr<LinNetwork> network)
{
    LoadResult loaded;
    loaded.network = std::move(network);
    return PrepareLoaded(std::move(loaded)).network;
}

std::string DifferenceLines(const std::vector<Difference>& differences)
{
    std::string lines;
    for (const Difference& difference : differences)
        lines += difference.Text() + "\n";
    return lines;
}
