#include "TestFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
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

static bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
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

std::vector<std::string> FormattedMessages(const MessageLog& log)
{
    std::vector<std::string> texts;
    for (const Message& message : log)
        texts.push_back(FormatMessage(message));
    return texts;
}
