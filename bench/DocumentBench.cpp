// Times what the editor does, without a window: Document::Open (read,
// repair, the preparation and the modified test), one Add of a signal as the
// tree's context menu runs it (one undoable step that ends with the
// preparation), then the Undo and the Redo of that step. Prints one line per
// stage: its name and the median seconds over the runs.
// Usage: document_bench FILE [RUNS]

#include "allocator/ProgramAllocator.h"
#include "editing/Document.h"
#include "editing/TreeCommands.h"
#include "editing/TreeItem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Runs one stage, adds its seconds to times and reports whether it did its work.
bool Timed(std::vector<double>& times, const std::function<bool()>& stage)
{
    const Clock::time_point start = Clock::now();
    const bool done = stage();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    return done;
}

}  // namespace

int main(int argc, char** argv)
{
    ConfigureProgramAllocator();
    if (argc < 2) {
        std::fprintf(stderr, "Usage: document_bench FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const char* const stages[] = {"open", "edit", "undo", "redo"};
    std::vector<double> times[4];
    for (int run = 0; run < runs; ++run) {
        Document document;
        std::string error;
        Timed(times[0], [&] {
            error = document.Open(argv[1]);
            return error.empty();
        });
        if (!error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        const TreeOutline& outline = document.Outline();
        const TreeItemRef signalsItem = TreeItemAt(outline, outline.FindPath({outline_text::Signals}));
        const bool added = Timed(times[1], [&] {
            return document.Edit([&](LinNetwork& network) { return AddForTreeItem(network, signalsItem).has_value(); });
        });
        if (!added || !Timed(times[2], [&] { return document.Undo(); }) ||
            !Timed(times[3], [&] { return document.Redo(); })) {
            std::fprintf(stderr, "document_bench: the Add, its Undo or its Redo did nothing\n");
            return 1;
        }
    }
    for (int i = 0; i < 4; ++i)
        std::printf("%s %.4f\n", stages[i], Median(times[i]));
    return 0;
}
