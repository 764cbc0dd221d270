// Times each stage of handling one LDF file: read and parse (from the text
// in memory), repair, the tree's rebuild preparation with every check, and
// writing the text. Prints one line per stage: its name, the median seconds
// over the runs, MB/s, and the peak resident memory of this process at the
// end of that stage in the first run (the high-water mark so far, so it
// includes the file text the program holds).
// Usage: ldf_bench FILE [RUNS]

#include "allocator/ProgramAllocator.h"
#include "model/LinNetwork.h"
#include "validation/PostLoadRepair.h"
#include "validation/TreeOutline.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kStages[] = {"read+parse", "repair", "prepare", "write"};
constexpr std::size_t kStageCount = sizeof kStages / sizeof kStages[0];

double PeakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux reports kilobytes
}

struct StageRecord {
    std::vector<double> seconds;
    double peakMb = 0.0;
};

// Times one stage and notes the memory high-water mark after its first run.
class StageTimer {
public:
    explicit StageTimer(StageRecord& record) : m_record(record), m_start(Clock::now()) {}
    ~StageTimer()
    {
        m_record.seconds.push_back(std::chrono::duration<double>(Clock::now() - m_start).count());
        if (m_record.seconds.size() == 1)
            m_record.peakMb = PeakResidentMb();
    }
    StageTimer(const StageTimer&) = delete;
    StageTimer& operator=(const StageTimer&) = delete;

private:
    StageRecord& m_record;
    Clock::time_point m_start;
};

// One pass through every stage; false when a stage produced nothing.
bool RunOnce(const std::string& text, StageRecord (&records)[kStageCount])
{
    LinNetwork network;
    {
        StageTimer timer(records[0]);
        network.SetText(text);
        network.ReadLdf();
    }
    {
        StageTimer timer(records[1]);
        RunPostLoadRepair(network);
    }
    TreeOutline outline;
    {
        StageTimer timer(records[2]);
        outline = PrepareTreeOutline(network);
    }
    std::string written;
    {
        StageTimer timer(records[3]);
        written = network.BuildLdfText();
    }
    return !written.empty() && !outline.items.empty();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    ConfigureProgramAllocator();
    if (argc < 2) {
        std::fprintf(stderr, "usage: ldf_bench FILE [RUNS]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::ostringstream content;
    if (!(file && content << file.rdbuf())) {
        std::fprintf(stderr, "ldf_bench: cannot read %s\n", argv[1]);
        return 2;
    }
    const std::string text = content.str();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const double megabytes = static_cast<double>(text.size()) / 1e6;

    StageRecord records[kStageCount];
    for (int i = 0; i < runs; ++i) {
        if (!RunOnce(text, records)) {
            std::fprintf(stderr, "ldf_bench: %s gave an empty outline or text\n", argv[1]);
            return 1;
        }
    }
    for (std::size_t i = 0; i < kStageCount; ++i) {
        const double median = Median(records[i].seconds);
        std::printf("%s %.4f %.1f %.1f\n", kStages[i], median, median > 0 ? megabytes / median : 0.0,
                    records[i].peakMb);
    }
    return 0;
}
