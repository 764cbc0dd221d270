// libFuzzer target: arbitrary bytes through the whole pipeline. Loading,
// repairing, preparing the tree and writing must never crash, hang or leak,
// and writing what was written and read back must give the same text.

#include "model/LinNetwork.h"
#include "validation/TreeOutline.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string PreparedText(LinNetwork& network)
{
    PrepareTreeOutline(network);
    return network.BuildCompleteLdfText();
}

// The first line where the two texts differ, with its number, in both forms.
void PrintFirstDifference(const std::string& first, const std::string& second)
{
    std::size_t start = 0;
    int line = 1;
    for (std::size_t i = 0; i < first.size() && i < second.size() && first[i] == second[i]; ++i)
        if (first[i] == '\n') {
            start = i + 1;
            ++line;
        }
    auto lineAt = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
    std::fprintf(stderr, "written text is no fixpoint, line %d\n first: %s\nsecond: %s\n", line, lineAt(first).c_str(),
                 lineAt(second).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    auto network = LinNetwork::LoadFromText(input);
    const std::string first = PreparedText(*network);
    auto reread = LinNetwork::LoadFromText(first);
    const std::string second = PreparedText(*reread);
    if (first != second) {
        PrintFirstDifference(first, second);
        std::abort();
    }
    return 0;
}
