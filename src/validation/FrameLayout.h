#pragma once

#include "model/NameList.h"

#include <cstdint>
#include <string>
#include <vector>

class LinNetwork;
struct DiagnosticFrame;
struct LinFrame;

// Where the signals of a frame lie among its bits, for the layout picture
// and the command-line grid. Bits count as LIN counts them: bit n of the
// frame is bit n % 8 of byte n / 8, byte 0 sent first.

constexpr int kMaxFrameBytes = 8;

// Shown to users verbatim and matched by tests; keep the spelling. The
// checks' reason for a length outside 1 to 8, and the layout's for one it
// cannot draw.
inline constexpr const char* kFrameSizeWrong = "Frame size wrong";

// One signal of the frame as a band of bits.
struct LayoutBand {
    std::string signal;
    int position = 0;           // in the frame's signal list (its offset sheet)
    std::int64_t firstBit = 0;  // the offset
    int size = 0;               // 0 for a name that is no signal
    bool overlaps = false;      // shares a bit with another band
    bool pastEnd = false;       // runs past the frame's length
};

struct LayoutCell {
    int band = -1;               // the first band covering the bit, -1 for a free bit
    bool overlap = false;        // covered by more than one band
    bool outsideLength = false;  // beyond the frame's length
};

struct FrameLayout {
    int length = 0;  // the frame's bytes
    // A length outside 0 to 8 has no bits to draw: no rows then.
    bool lengthWrong = false;
    // The bytes drawn: the length, more where a band runs past it, at most 8.
    int rows = 0;
    std::vector<LayoutBand> bands;
    std::vector<LayoutCell> cells;  // by bit of the frame, rows × 8

    const LayoutCell& Cell(int byte, int bit) const { return cells[static_cast<std::size_t>(byte * 8 + bit)]; }
    bool IsRed(const LayoutCell& cell) const { return cell.overlap || cell.outsideLength; }
};

// The layout of signals at offsets in a frame of lengthBytes bytes; sizes
// gives each signal's size, parallel to the names (lists of unequal length
// lay out their common part).
FrameLayout LayOutSignals(const NameList& names, const std::vector<std::uint32_t>& offsets,
                          const std::vector<int>& sizes, int lengthBytes);
FrameLayout LayOutFrame(const LinNetwork& network, const LinFrame& frame);
// MasterReq and SlaveResp: 8 bytes of diagnostic signals.
FrameLayout LayOutDiagnosticFrame(const LinNetwork& network, const DiagnosticFrame& frame);

// The grid as text: a header, one line per byte (bit 7 left, bit 0 right)
// with a letter per band, '!' for an overlap, 'x' for a bit beyond the
// length and '.' for a free bit, then one line per band. A length it
// cannot draw gives the checks' reason in place of the bytes.
std::vector<std::string> LayoutText(const FrameLayout& layout);
