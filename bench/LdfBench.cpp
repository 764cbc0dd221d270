// Times each stage of handling one LDF file: read and parse, repair, the
// tree's rebuild preparation with every check, and writing the text. Prints
// one line per stage: median seconds over the runs, MB/s, and the peak
// resident memory of this process.

#include "model/LinNetwork.h"
#include "validation/PostLoadRepair.h"
#include "validation/TreeOutline.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long PeakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct StageTimes {
    std::vector<double> read, repair, prepare, write;
};

void RunOnce(const std::string& text, StageTimes& times)
{
    auto start = Clock::now();
    LinNetwork network;
    network.SetText(text);
    network.ReadLdf();
    times.read.push_back(Seconds(start));

    start = Clock::now();
    RunPostLoadRepair(network);
    times.repair.push_back(Seconds(start));

    start = Clock::now();
    const TreeOutline outline = PrepareTreeOutline(network);
    times.prepare.push_back(Seconds(start));

    start = Clock::now();
    const std::string written = network.BuildLdfText();
    times.write.push_back(Seconds(start));
    if (written.empty() || outline.items.empty())
        std::fprintf(stderr, "warning: empty result\n");
}

void Report(const char* stage, const std::vector<double>& times, double megabytes)
{
    const double median = Median(times);
    std::printf("%-10s %10.4f s %10.1f MB/s\n", stage, median, median > 0 ? megabytes / median : 0.0);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: ldf_bench FILE [RUNS]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 2;
    }
    std::ostringstream content;
    content << file.rdbuf();
    const std::string text = content.str();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const double megabytes = static_cast<double>(text.size()) / 1e6;

    StageTimes times;
    for (int i = 0; i < runs; ++i)
        RunOnce(text, times);

    std::printf("file %s: %.1f MB, %d runs, peak RSS %.1f MB\n", argv[1], megabytes, runs,
                static_cast<double>(PeakResidentKb()) / 1024.0);
    Report("read", times.read, megabytes);
    Report("repair", times.repair, megabytes);
    Report("prepare", times.prepare, megabytes);
    Report("write", times.write, megabytes);
    return 0;
}
