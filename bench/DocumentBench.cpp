// Times what the editor does on Open and on one Add, without a window:
// Document::Open (read, repair, the preparation and the modified test), then
// one Add of a signal as the tree's context menu runs it (one undoable step
// that ends with the preparation). Prints the median of RUNS runs.
// Usage: document_bench FILE [RUNS]

#include "editing/Document.h"
#include "editing/TreeCommands.h"
#include "editing/TreeItem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: document_bench FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::vector<double> opens;
    std::vector<double> adds;
    for (int run = 0; run < runs; ++run) {
        Document document;
        Clock::time_point start = Clock::now();
        const std::string error = document.Open(argv[1]);
        opens.push_back(SecondsSince(start));
        if (!error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        const TreeOutline& outline = document.Outline();
        const TreeItemRef signalsItem = TreeItemAt(outline, outline.FindPath({outline_text::Signals}));
        start = Clock::now();
        const bool added =
            document.Edit([&](LinNetwork& network) { return AddForTreeItem(network, signalsItem).has_value(); });
        adds.push_back(SecondsSince(start));
        if (!added) {
            std::fprintf(stderr, "Add did nothing\n");
            return 1;
        }
    }
    std::printf("open %.3f s  add %.3f s  (median of %d runs)\n", Median(opens), Median(adds), runs);
    return 0;
}
