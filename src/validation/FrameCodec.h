#pragma once

#include "validation/FrameBits.h"
#include "validation/SignalCoding.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class LinNetwork;
struct DiagnosticFrame;
struct DiagnosticSignal;
struct EncodingType;
struct EventTriggeredFrame;
struct LinFrame;
struct LinSignal;

// Turns a frame's bytes into its signals' values and back, by the
// network's signals, encoding types and byte order (see FrameBits.h). An
// event-triggered frame is read by its first byte, the protected id of the
// frame it carries; MasterReq and SlaveResp as their eight bytes. Bits that
// no signal covers are sent recessive (1).

// One signal of a decoded frame.
struct SignalReading {
    std::string signal;
    SignalShape shape;
    std::uint64_t raw = 0;
    SignalMeaning meaning;
    std::string problem;  // why the signal has no value; empty when it has one
};

struct FrameReading {
    std::string frame;  // of an event-triggered frame: the frame its first byte names
    int frameId = -1;
    std::vector<SignalReading> signals;
    std::string error;  // empty when the bytes were decoded

    explicit operator bool() const { return error.empty(); }
};

// A signal's value as typed: see ReadSignalValue.
struct SignalSetting {
    std::string signal;
    std::string value;
};

struct FrameEncoding {
    std::string frame;
    FrameData bytes;
    std::vector<std::string> errors;  // each names the signal and why; empty when bytes holds the frame

    explicit operator bool() const { return errors.empty(); }
};

// Shown to users verbatim and matched by tests; keep the spelling.
namespace codectext {
inline constexpr const char* NoSuchSignal = "no such signal";
}  // namespace codectext

// Built once per network (its indexes make each frame's work linear in its
// signals); the network must outlive it and stay unchanged.
class FrameCodec {
public:
    explicit FrameCodec(const LinNetwork& network);
    ~FrameCodec();
    FrameCodec(const FrameCodec&) = delete;
    FrameCodec& operator=(const FrameCodec&) = delete;

    // True when the network has the frame (by name or id, as Decode finds it).
    bool HasFrame(const std::string& frame) const;
    // The frame by name, else by id in decimal or 0x hex.
    FrameReading Decode(const std::string& frame, const FrameData& bytes) const;
    // The frame as a bus log names it: by its id.
    FrameReading DecodeId(int frameId, const FrameData& bytes) const;
    // The signals given take their values, the others their initial value.
    FrameEncoding Encode(const std::string& frame, const std::vector<SignalSetting>& settings) const;

private:
    struct Target;
    struct Placed;

    Target Find(const std::string& frame) const;
    Target FindId(int frameId) const;
    FrameReading DecodeTarget(const Target& target, const FrameData& bytes) const;
    FrameEncoding EncodeTarget(const Target& target, const std::vector<SignalSetting>& settings) const;
    std::string Length(const Target& target, int& length) const;
    std::vector<Placed> PlacedSignals(const Target& target) const;
    bool BigEndian(const Placed& placed) const;
    Placed PlacedSignal(const std::string& name, std::uint32_t offset) const;
    Placed PlacedDiagnosticSignal(const std::string& name, std::uint32_t offset) const;
    const LinFrame* MemberCarrying(const EventTriggeredFrame& event, const std::vector<SignalSetting>& settings) const;

    const LinNetwork& m_network;
    bool m_bigEndian = false;
    std::unordered_map<std::string, const LinSignal*> m_signals;
    std::unordered_map<std::string, const EncodingType*> m_encodingOfSignal;
    std::unordered_map<std::string, const DiagnosticSignal*> m_diagnosticSignals;
    std::unordered_map<std::string, const LinFrame*> m_frames;
    std::unordered_map<int, const LinFrame*> m_framesById;
    std::unordered_map<std::string, const EventTriggeredFrame*> m_events;
    std::unordered_map<int, const EventTriggeredFrame*> m_eventsById;
    std::unordered_set<std::string> m_sporadic;
};
