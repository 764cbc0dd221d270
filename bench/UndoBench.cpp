// Measures the editor's undo on a loaded file. The history alone: the memory
// one undo step keeps, after STEPS edits that each change one header value,
// and the median time of such an edit, its undo and its redo, besides the
// time of the whole copy of the content an edit takes while it runs. Then
// the same edit, undo and redo in the editor's document, where each also
// prepares the network and its tree again.
// Usage: undo_bench FILE [STEPS]

#include "allocator/ProgramAllocator.h"
#include "editing/Document.h"
#include "editing/UndoHistory.h"
#include "model/LinNetwork.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ResidentMb()
{
    long totalPages = 0;
    long residentPages = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> totalPages >> residentPages;
    return static_cast<double>(residentPages) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Seconds(const std::function<void()>& run)
{
    const Clock::time_point start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Timings {
    std::vector<double> edit;
    std::vector<double> undo;
    std::vector<double> redo;

    void Print(const char* what) const
    {
        std::printf("%s: edit %.3f s  undo %.3f s  redo %.3f s  (medians)\n", what, Median(edit), Median(undo),
                    Median(redo));
    }
};

// Memory per step and the times of the history alone.
void MeasureHistory(LinNetwork& network, int steps)
{
    std::vector<double> copies;
    for (int run = 0; run < 3; ++run)
        copies.push_back(Seconds([&] { NetworkContent copy = network.Content(); }));
    std::printf("copy of the content: %.3f s (median)\n", Median(copies));

    UndoHistory history(static_cast<std::size_t>(steps) + 1);
    const auto changeTimeBase = [&] {
        network.timeBaseMs += 1;
        return true;
    };
    // The first edit's whole copy leaves the allocator with room that later
    // copies reuse; it is no part of a step.
    history.Perform(network, changeTimeBase);
    const double before = ResidentMb();
    Timings timings;
    for (int step = 0; step < steps; ++step)
        timings.edit.push_back(Seconds([&] { history.Perform(network, changeTimeBase); }));
    const double after = ResidentMb();
    std::printf("steps %d  resident before %.1f MB  after %.1f MB  per step %.3f MB\n", steps, before, after,
                (after - before) / steps);
    for (int step = 0; step < steps; ++step)
        timings.undo.push_back(Seconds([&] { history.Undo(network); }));
    for (int step = 0; step < steps; ++step)
        timings.redo.push_back(Seconds([&] { history.Redo(network); }));
    timings.Print("history");
}

// The same in the editor's document, each step ending with the preparation.
bool MeasureDocument(const char* path, int steps)
{
    Document document;
    const std::string error = document.Open(path);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    Timings timings;
    for (int step = 0; step < steps; ++step) {
        timings.edit.push_back(Seconds([&] {
            document.Edit([](LinNetwork& network) {
                network.timeBaseMs += 1;
                return true;
            });
        }));
        timings.undo.push_back(Seconds([&] { document.Undo(); }));
        timings.redo.push_back(Seconds([&] { document.Redo(); }));
    }
    timings.Print("document");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    ConfigureProgramAllocator();
    if (argc < 2) {
        std::fprintf(stderr, "Usage: undo_bench FILE [STEPS]\n");
        return 2;
    }
    const int steps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    LoadResult loaded = LinNetwork::Load(argv[1]);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", loaded.error.c_str());
        return 1;
    }
    MeasureHistory(*loaded.network, steps);
    loaded.network.reset();
    return MeasureDocument(argv[1], std::min(steps, 5)) ? 0 : 1;
}
