// Measures the memory one undo step keeps: loads FILE, performs STEPS edits
// that each change one header value through UndoHistory, and prints the
// resident memory before and after and the growth per step.
// Usage: undo_bench FILE [STEPS]

#include "editing/UndoHistory.h"
#include "model/LinNetwork.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

double ResidentMb()
{
    long totalPages = 0;
    long residentPages = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> totalPages >> residentPages;
    return static_cast<double>(residentPages) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv)
{
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
    LinNetwork& network = *loaded.network;
    UndoHistory history;
    const double before = ResidentMb();
    for (int step = 0; step < steps; ++step)
        history.Perform(network, [&] {
            network.timeBaseMs += 1;
            return true;
        });
    const double after = ResidentMb();
    std::printf("steps %d  resident before %.1f MB  after %.1f MB  per step %.2f MB\n", steps, before, after,
                (after - before) / steps);
    return 0;
}
