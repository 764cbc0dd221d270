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
    return network.BuildLdfText();
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
        std::fprintf(stderr, "written text is no fixpoint\n--- first\n%s\n--- second\n%s\n", first.c_str(),
                     second.c_str());
        std::abort();
    }
    return 0;
}
