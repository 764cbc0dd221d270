#pragma once

#include "ldf/MessageLog.h"
#include <filesystem>

#include <memory>
#include <string>
#include <vector>

class LinNetwork;
struct Difference;

// Access to the fixture folder and the third-party corpus beside the checkout.
std::string TestDataDir();
std::string CorpusDir();
std::string ReadFileBytes(const std::string& path);
// The .ldf files of a folder and its subfolders, sorted; fixtures that hold a
// writer's expected output (*.written.ldf) are left out.
std::vector<std::string> LdfFilesIn(const std::string& dir);
// A test name for a file: its path below dir without the extension, with
// every character that is not a letter or digit turned into '_'.
std::string FileCaseName(const std::string& path, const std::string& dir);
// The fixture's <case>.written.ldf beside <case>.ldf.
std::string WrittenPathOf(const std::string& ldfPath);
std::vector<std::string> SplitLines(const std::string& text);
// Expected and actual line lists side by side, for failure output.
std::string SideBySide(const std::vector<std::string>& expected, const std::vector<std::string>& actual);
// Empty when the texts are equal, else the line where they first differ.
std::string FirstTextDifference(const std::string& expected, const std::string& actual);
// Compares a text with the golden file at path; with DUVAZADI_REGENERATE set
// in the environment the golden file is rewritten instead.
std::string CompareWithGolden(const std::string& actual, const std::string& path);

void WriteFileBytes(const std::string& path, const std::string& bytes);

// A fresh folder below the system's temporary folder, removed with
// everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return m_path.string(); }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    // The names directly inside, sorted.
    std::vector<std::string> Entries() const;

private:
    std::filesystem::path m_path;
};
// The messages of a log as the user reads them, one text per message.
std::vector<std::string> FormattedMessages(const MessageLog& log);
// The messages of reopened a saved text whose text no message of the first
// load had (each earlier message excuses one). A signal whose subscribers
// were all purged (they were no nodes) has no form the reader takes without
// a hint, so its two hints never count.
std::vector<std::string> AddedMessages(const MessageLog& firstLoad, const MessageLog& reopened);

// The network prepared as the tree prepares it; null stays null.
std::unique_ptr<LinNetwork> Prepared(std::unique_ptr<LinNetwork> network);
// The differences as the diff command prints them, one line each.
std::string DifferenceLines(const std::vector<Difference>& differences);
