#pragma once

#include "model/MessageLog.h"

#include <string>
#include <vector>

// Access to the fixture folder and the third-party corpus beside the checkout.
std::string TestDataDir();
std::string CorpusDir();
std::string ReadFileBytes(const std::string& path);
// The .ldf files of a folder and its subfolders, sorted; fixtures that hold a
// writer's expected output (*.written.ldf) are left out.
std::vector<std::string> LdfFilesIn(const std::string& dir);
std::vector<std::string> SplitLines(const std::string& text);
// Expected and actual line lists side by side, for failure output.
std::string SideBySide(const std::vector<std::string>& expected, const std::vector<std::string>& actual);
// The messages of a log as the user reads them, one text per message.
std::vector<std::string> FormattedMessages(const MessageLog& log);
