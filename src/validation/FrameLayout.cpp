#include "validation/FrameLayout.h"

#include "model/LinNetwork.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int kBitsPerByte = 8;

const char kFreeMark = '.';
const char kOverlapMark = '!';
const char kOutsideMark = 'x';

// A letter per band: A to Z, then a to z, then '#'.
char BandLetter(int band)
{
    if (band < 26)
        return static_cast<char>('A' + band);
    if (band < 52)
        return static_cast<char>('a' + band - 26);
    return '#';
}

std::string BandText(int index, const LayoutBand& band)
{
    std::string text = std::string(1, BandLetter(index)) + " = " + band.signal + ": bits " +
                       std::to_string(band.firstBit) + "-" + std::to_string(band.firstBit + std::max(band.size, 1) - 1);
    if (band.size == 0)
        text += ", no such signal";
    if (band.overlaps)
        text += ", overlaps";
    if (band.pastEnd)
        text += ", past the end";
    return text;
}

// The size of each name; unknown for a name the map does not hold.
std::vector<int> SizesOf(const NameList& names, const std::unordered_map<std::string, int>& sizeOf, int unknown)
{
    std::vector<int> sizes;
    sizes.reserve(names.size());
    for (const Name& name : names) {
        const auto found = sizeOf.find(name);
        sizes.push_back(found == sizeOf.end() ? unknown : found->second);
    }
    return sizes;
}

}  // namespace

FrameLayout LayOutSignals(const NameList& names, const std::vector<std::uint32_t>& offsets,
                          const std::vector<int>& sizes, int lengthBytes)
{
    FrameLayout layout;
    layout.lengthWrong = lengthBytes < 0 || lengthBytes > kMaxFrameBytes;
    layout.length = lengthBytes;
    const std::size_t placed = std::min({names.size(), offsets.size(), sizes.size()});
    const std::int64_t frameBits = std::int64_t{lengthBytes} * kBitsPerByte;
    std::int64_t furthest = 0;
    for (std::size_t i = 0; i < placed; ++i) {
        LayoutBand band;
        band.signal = names[i];
        band.position = static_cast<int>(i);
        band.firstBit = offsets[i];
        band.size = std::max(sizes[i], 0);
        band.pastEnd = band.firstBit + band.size > frameBits;
        if (band.size > 0)
            furthest = std::max(furthest, band.firstBit + band.size);
        layout.bands.push_back(std::move(band));
    }
    if (layout.lengthWrong)
        return layout;
    const std::int64_t neededBytes = (furthest + kBitsPerByte - 1) / kBitsPerByte;
    layout.rows =
        static_cast<int>(std::min<std::int64_t>(std::max<std::int64_t>(layout.length, neededBytes), kMaxFrameBytes));
    const std::int64_t drawnBits = std::int64_t{layout.rows} * kBitsPerByte;
    layout.cells.resize(static_cast<std::size_t>(drawnBits));
    for (std::int64_t bit = frameBits; bit < drawnBits; ++bit)
        layout.cells[static_cast<std::size_t>(bit)].outsideLength = true;
    for (std::size_t b = 0; b < layout.bands.size(); ++b) {
        const LayoutBand& band = layout.bands[b];
        const std::int64_t end = std::min(band.firstBit + band.size, drawnBits);
        for (std::int64_t bit = band.firstBit; bit < end; ++bit) {
            LayoutCell& cell = layout.cells[static_cast<std::size_t>(bit)];
            if (cell.band < 0) {
                cell.band = static_cast<int>(b);
            } else {
                cell.overlap = true;
                layout.bands[static_cast<std::size_t>(cell.band)].overlaps = true;
                layout.bands[b].overlaps = true;
            }
        }
    }
    return layout;
}

FrameLayout LayOutFrame(const LinNetwork& network, const LinFrame& frame)
{
    std::unordered_map<std::string, int> sizeOf;
    for (const auto& signal : network.signals)
        sizeOf.emplace(signal->name, signal->size);
    return LayOutSignals(frame.signalNames, frame.offsets, SizesOf(frame.signalNames, sizeOf, 0), frame.length);
}

FrameLayout LayOutDiagnosticFrame(const LinNetwork& network, const DiagnosticFrame& frame)
{
    std::unordered_map<std::string, int> sizeOf;
    for (const DiagnosticSignal& signal : network.diagnosticSignals)
        sizeOf.emplace(signal.name, signal.size);
    // Without a Diagnostic_signals section every diagnostic signal is one byte.
    return LayOutSignals(frame.signalNames, frame.offsets, SizesOf(frame.signalNames, sizeOf, kBitsPerByte),
                         kMaxFrameBytes);
}

std::vector<std::string> LayoutText(const FrameLayout& layout)
{
    std::vector<std::string> lines;
    lines.push_back(layout.lengthWrong ? kFrameSizeWrong : "byte  7 6 5 4 3 2 1 0");
    for (int byte = 0; byte < layout.rows; ++byte) {
        std::string line = "   " + std::to_string(byte) + " ";
        for (int bit = kBitsPerByte - 1; bit >= 0; --bit) {
            const LayoutCell& cell = layout.Cell(byte, bit);
            char mark = cell.band >= 0 ? BandLetter(cell.band) : cell.outsideLength ? kOutsideMark : kFreeMark;
            if (cell.overlap)
                mark = kOverlapMark;
            line += std::string(1, ' ') + mark;
        }
        lines.push_back(std::move(line));
    }
    for (std::size_t b = 0; b < layout.bands.size(); ++b)
        lines.push_back(BandText(static_cast<int>(b), layout.bands[b]));
    return lines;
}
