#include "editing/HoverTexts.h"

#include "editing/ListCommands.h"
#include "validation/FrameLayout.h"
#include "validation/ScheduleTiming.h"

namespace {

// Shown to users verbatim and matched by tests; keep the spelling.
const char* const kReasonSeparator = "; ";  // as the checks join the reasons
const char* const kSignal = "Signal ";
const char* const kOffset = "Offset ";
const char* const kSize = ", size ";
const char* const kBits = " bits";
const char* const kNoSignal = " (no signal)";
const char* const kCoversBits = "Bits ";
const char* const kDelay = "Delay ";
const char* const kFrameTime = "Frame time ";
const char* const kNominal = " ms nominal, ";
const char* const kAtMost = " ms at most";
const char* const kUnknownFrameTime = "Frame time unknown";
const char* const kHeadroom = "Headroom ";
const char* const kMs = " ms";
const char* const kOpenSide = "Left of -> and removed: ";
const char* const kOtherSide = "Right of -> and added: ";
const char* const kOpenNetwork = " (open)";

std::string Lines(const std::string& joined)
{
    std::string lines = joined;
    const std::string separator = kReasonSeparator;
    for (std::size_t at = lines.find(separator); at != std::string::npos; at = lines.find(separator, at + 1))
        lines.replace(at, separator.size(), "\n");
    return lines;
}

}  // namespace

std::string ReasonsTip(const TreeOutline& outline, int item) { return Lines(outline.ReasonsOf(item)); }

std::string RowReasonsTip(const TreeOutline& outline, const OutlineRecordIndex& items, const TreeItemRef& treeSelection,
                          int row)
{
    const std::optional<EntityRef> entity = EntityOfRow(treeSelection, row);
    const int item = entity ? items.Find(*entity) : -1;
    // The reasons are looked up by item, so an index older than the outline
    // reads nothing beyond it.
    return item >= 0 ? ReasonsTip(outline, item) : std::string();
}

std::string BandTip(const LayoutBand& band)
{
    std::string tip = kSignal + band.signal + (band.size > 0 ? "" : kNoSignal) + "\n" + kOffset +
                      std::to_string(band.firstBit) + kSize + std::to_string(band.size) + kBits;
    if (band.size > 0)
        tip += "\n" + std::string(kCoversBits) + std::to_string(band.firstBit) + "-" +
               std::to_string(band.firstBit + band.size - 1);
    return tip;
}

std::string SlotTip(const EntryTiming& entry)
{
    std::string tip = entry.text + "\n" + kDelay + FormatMs(entry.delayMs) + kMs + "\n";
    if (!entry.known)
        return tip + kUnknownFrameTime;
    return tip + kFrameTime + FormatMs(entry.nominalMs) + kNominal + FormatMs(entry.maximumMs) + kAtMost + "\n" +
           kHeadroom + FormatMs(entry.headroomMs) + kMs;
}

std::string CompareSidesText(const std::string& openFile, const std::string& otherFile)
{
    return kOpenSide + openFile + kOpenNetwork + "\n" + kOtherSide + otherFile;
}
