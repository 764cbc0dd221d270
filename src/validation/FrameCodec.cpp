#include "validation/FrameCodec.h"

#include "ldf/Keywords.h"
#include "model/LinNetwork.h"
#include "validation/FrameLayout.h"

#include <algorithm>

namespace {

constexpr int kMinFrameBytes = 1;
constexpr int kDiagnosticBytes = 8;
constexpr std::uint8_t kRecessiveByte = 0xFF;

std::string NoFrame(const std::string& frame) { return "no frame " + frame; }
std::string WrongCount(const std::string& frame, int length, std::size_t given)
{
    return std::string(given < static_cast<std::size_t>(length) ? "too short" : "too long") + ": " + frame + " takes " +
           std::to_string(length) + (length == 1 ? " byte, " : " bytes, ") + std::to_string(given) + " given";
}
std::string BadLength(const std::string& frame, int length)
{
    return frame + " has length " + std::to_string(length) + "; a frame holds 1 to 8 bytes";
}
std::string NoMember(const std::string& event, std::uint8_t first)
{
    return "byte 0 (0x" + HexBytesText({first}) + ") is the protected id of no frame of " + event;
}
std::string NoMemberHolds(const std::string& event) { return "no frame of " + event + " holds every signal given"; }
std::string Sporadic(const std::string& frame) { return frame + " is a sporadic frame; name the frame it carries"; }
std::string BadSize(int size) { return "size " + std::to_string(size) + " is not 1 to 64"; }
std::string BeyondLength(int length) { return "lies beyond the frame's " + std::to_string(length) + " bytes"; }
std::string NotInFrame(const std::string& frame, const std::string& signal)
{
    return frame + " has no signal " + signal;
}
std::string GivenTwice(const std::string& signal) { return signal + ": given twice"; }
std::string InitialDoesNotFit(const std::string& signal, std::uint64_t value, int size)
{
    return signal + ": initial value " + std::to_string(value) + " does not fit in " + std::to_string(size) + " bits";
}

template <typename Record>
void IndexByName(const OwnedList<Record>& list, std::unordered_map<std::string, const Record*>& index)
{
    for (const auto& record : list)
        index.emplace(RecordName(*record), record.get());
}

std::uint64_t ScalarOfBytes(const std::vector<std::uint16_t>& bytes)
{
    std::uint64_t value = 0;
    for (std::size_t index = 0; index < bytes.size() && index < sizeof value; ++index)
        value |= std::uint64_t{static_cast<std::uint8_t>(bytes[index])} << (kBitsPerByte * index);
    return value;
}

}  // namespace

struct FrameCodec::Target {
    enum class Kind { None, Unconditional, EventTriggered, Diagnostic, Sporadic };
    Kind kind = Kind::None;
    std::string name;
    int id = -1;
    const LinFrame* frame = nullptr;
    const EventTriggeredFrame* event = nullptr;
    const DiagnosticFrame* diagnostic = nullptr;
};

struct FrameCodec::Placed {
    std::string name;
    std::int64_t firstBit = 0;
    SignalShape shape;
    const EncodingType* encoding = nullptr;
    std::uint64_t initial = 0;
    bool known = false;  // a signal of the network
};

FrameCodec::FrameCodec(const LinNetwork& network)
    : m_network(network), m_bigEndian(network.byteOrder == SignalByteOrder::BigEndian)
{
    IndexByName(network.signals, m_signals);
    IndexByName(network.frames, m_frames);
    IndexByName(network.eventTriggeredFrames, m_events);
    for (const auto& frame : network.frames)
        m_framesById.emplace(frame->frameId, frame.get());
    for (const auto& event : network.eventTriggeredFrames)
        m_eventsById.emplace(event->frameId, event.get());
    for (const auto& sporadic : network.sporadicFrames)
        m_sporadic.insert(sporadic->name);
    for (const DiagnosticSignal& signal : network.diagnosticSignals)
        m_diagnosticSignals.emplace(signal.name, &signal);
    std::unordered_map<std::string, const EncodingType*> encodings;
    IndexByName(network.encodingTypes, encodings);
    for (const auto& representation : network.signalRepresentations) {
        const auto encoding = encodings.find(representation->encodingName);
        if (encoding == encodings.end())
            continue;
        for (const Name& signal : representation->signalNames)
            m_encodingOfSignal.emplace(signal, encoding->second);
    }
}

FrameCodec::~FrameCodec() = default;

// The bytes of a byte array keep their order whatever the file's byte order.
bool FrameCodec::BigEndian(const Placed& placed) const { return m_bigEndian && !placed.shape.isByteArray; }

FrameCodec::Target FrameCodec::Find(const std::string& frame) const
{
    Target target;
    target.name = frame;
    if (const auto found = m_frames.find(frame); found != m_frames.end()) {
        target.kind = Target::Kind::Unconditional;
        target.frame = found->second;
        target.id = found->second->frameId;
    } else if (const auto event = m_events.find(frame); event != m_events.end()) {
        target.kind = Target::Kind::EventTriggered;
        target.event = event->second;
        target.id = event->second->frameId;
    } else if (frame == kw::MasterReq || frame == kw::SlaveResp) {
        return FindId(frame == kw::MasterReq ? kw::MasterReqId : kw::SlaveRespId);
    } else if (m_sporadic.count(frame) > 0) {
        target.kind = Target::Kind::Sporadic;
    } else if (const int id = ReadFrameId(frame); id >= 0) {
        Target byId = FindId(id);
        if (byId.kind != Target::Kind::None)
            return byId;
    }
    return target;
}

FrameCodec::Target FrameCodec::FindId(int frameId) const
{
    Target target;
    target.name = std::to_string(frameId);
    target.id = frameId;
    if (const auto found = m_framesById.find(frameId); found != m_framesById.end()) {
        target.kind = Target::Kind::Unconditional;
        target.frame = found->second;
        target.name = found->second->name;
    } else if (const auto event = m_eventsById.find(frameId); event != m_eventsById.end()) {
        target.kind = Target::Kind::EventTriggered;
        target.event = event->second;
        target.name = event->second->name;
    } else if (frameId == kw::MasterReqId || frameId == kw::SlaveRespId) {
        target.kind = Target::Kind::Diagnostic;
        const bool response = frameId == kw::SlaveRespId;
        target.diagnostic = response ? &m_network.slaveResponse : &m_network.masterRequest;
        target.name = response ? kw::SlaveResp : kw::MasterReq;
    }
    return target;
}

std::string FrameCodec::Length(const Target& target, int& length) const
{
    length = kDiagnosticBytes;
    if (target.kind != Target::Kind::Unconditional)
        return {};
    length = target.frame->length != 0 ? target.frame->length : DefaultFrameLength(target.frame->frameId);
    if (length < kMinFrameBytes || length > kMaxFrameBytes)
        return BadLength(target.name, length);
    return {};
}

FrameCodec::Placed FrameCodec::PlacedSignal(const std::string& name, std::uint32_t offset) const
{
    Placed placed;
    placed.name = name;
    placed.firstBit = offset;
    const auto found = m_signals.find(name);
    if (found == m_signals.end())
        return placed;
    const LinSignal& signal = *found->second;
    placed.known = true;
    placed.shape = {signal.size, signal.isByteArray};
    const auto encoding = m_encodingOfSignal.find(name);
    placed.encoding = encoding == m_encodingOfSignal.end() ? nullptr : encoding->second;
    const std::vector<std::uint16_t> initial = signal.InitialValueInEffect();
    placed.initial = signal.isByteArray ? ScalarOfBytes(initial) : initial.front();
    return placed;
}

FrameCodec::Placed FrameCodec::PlacedDiagnosticSignal(const std::string& name, std::uint32_t offset) const
{
    Placed placed;
    placed.name = name;
    placed.firstBit = offset;
    placed.known = true;
    placed.shape.size = kBitsPerByte;
    // Without a Diagnostic_signals section every diagnostic signal is one byte.
    if (const auto found = m_diagnosticSignals.find(name); found != m_diagnosticSignals.end()) {
        placed.shape.size = found->second->size;
        placed.initial = static_cast<std::uint64_t>(std::max(found->second->initValue, 0));
    }
    return placed;
}

std::vector<FrameCodec::Placed> FrameCodec::PlacedSignals(const Target& target) const
{
    std::vector<Placed> placed;
    if (target.kind == Target::Kind::Unconditional) {
        const LinFrame& frame = *target.frame;
        const std::size_t count = std::min(frame.signalNames.size(), frame.offsets.size());
        for (std::size_t i = 0; i < count; ++i)
            placed.push_back(PlacedSignal(frame.signalNames[i], frame.offsets[i]));
    } else if (target.kind == Target::Kind::Diagnostic) {
        const DiagnosticFrame& frame = *target.diagnostic;
        const std::size_t count = std::min(frame.signalNames.size(), frame.offsets.size());
        for (std::size_t i = 0; i < count; ++i)
            placed.push_back(PlacedDiagnosticSignal(frame.signalNames[i], frame.offsets[i]));
        // A network without diagnostic signals reads the eight bytes by their usual names.
        for (int byte = 0; count == 0 && byte < kDiagnosticBytes; ++byte)
            placed.push_back(PlacedDiagnosticSignal(target.name + "B" + std::to_string(byte),
                                                    static_cast<std::uint32_t>(byte * kBitsPerByte)));
    }
    return placed;
}

bool FrameCodec::HasFrame(const std::string& frame) const { return Find(frame).kind != Target::Kind::None; }

FrameReading FrameCodec::Decode(const std::string& frame, const FrameData& bytes) const
{
    return DecodeTarget(Find(frame), bytes);
}

FrameReading FrameCodec::DecodeId(int frameId, const FrameData& bytes) const
{
    return DecodeTarget(FindId(frameId), bytes);
}

FrameReading FrameCodec::DecodeTarget(const Target& target, const FrameData& bytes) const
{
    FrameReading reading;
    reading.frame = target.name;
    reading.frameId = target.id;
    if (target.kind == Target::Kind::None) {
        reading.error = NoFrame(target.name);
        return reading;
    }
    if (target.kind == Target::Kind::Sporadic) {
        reading.error = Sporadic(target.name);
        return reading;
    }
    if (target.kind == Target::Kind::EventTriggered) {
        if (bytes.empty()) {
            reading.error = WrongCount(target.name, kMinFrameBytes, 0);
            return reading;
        }
        for (const Name& member : target.event->frameNames) {
            const Target carried = Find(member);
            if (carried.kind == Target::Kind::Unconditional && ProtectedId(carried.id) == bytes.front())
                return DecodeTarget(carried, bytes);
        }
        reading.error = NoMember(target.name, bytes.front());
        return reading;
    }
    int length = 0;
    reading.error = Length(target, length);
    if (reading.error.empty() && bytes.size() != static_cast<std::size_t>(length))
        reading.error = WrongCount(target.name, length, bytes.size());
    if (!reading.error.empty())
        return reading;
    for (const Placed& placed : PlacedSignals(target)) {
        SignalReading signal;
        signal.signal = placed.name;
        signal.shape = placed.shape;
        if (!placed.known)
            signal.problem = codectext::NoSuchSignal;
        else if (placed.shape.size < 1 || placed.shape.size > kMaxValueBits)
            signal.problem = BadSize(placed.shape.size);
        else if (!BitsInside(bytes.size(), placed.firstBit, placed.shape.size))
            signal.problem = BeyondLength(length);
        if (signal.problem.empty()) {
            signal.raw = ReadBits(bytes, placed.firstBit, placed.shape.size, BigEndian(placed));
            signal.meaning = InterpretRaw(placed.encoding, placed.shape, signal.raw);
        }
        reading.signals.push_back(std::move(signal));
    }
    return reading;
}

const LinFrame* FrameCodec::MemberCarrying(const EventTriggeredFrame& event,
                                           const std::vector<SignalSetting>& settings) const
{
    for (const Name& member : event.frameNames) {
        const Target carried = Find(member);
        if (carried.kind != Target::Kind::Unconditional)
            continue;
        const NameList& names = carried.frame->signalNames;
        const bool holdsAll = std::all_of(settings.begin(), settings.end(), [&](const SignalSetting& setting) {
            return std::find(names.begin(), names.end(), setting.signal) != names.end();
        });
        if (holdsAll)
            return carried.frame;
    }
    return nullptr;
}

FrameEncoding FrameCodec::Encode(const std::string& frame, const std::vector<SignalSetting>& settings) const
{
    return EncodeTarget(Find(frame), settings);
}

FrameEncoding FrameCodec::EncodeTarget(const Target& target, const std::vector<SignalSetting>& settings) const
{
    FrameEncoding encoding;
    encoding.frame = target.name;
    if (target.kind == Target::Kind::None || target.kind == Target::Kind::Sporadic) {
        encoding.errors.push_back(target.kind == Target::Kind::None ? NoFrame(target.name) : Sporadic(target.name));
        return encoding;
    }
    if (target.kind == Target::Kind::EventTriggered) {
        const LinFrame* member = MemberCarrying(*target.event, settings);
        if (!member) {
            encoding.errors.push_back(NoMemberHolds(target.name));
            return encoding;
        }
        encoding = EncodeTarget(Find(member->name), settings);
        // The first byte tells the master which of its frames answered.
        if (encoding && !encoding.bytes.empty())
            encoding.bytes.front() = ProtectedId(member->frameId);
        return encoding;
    }
    int length = 0;
    if (std::string error = Length(target, length); !error.empty()) {
        encoding.errors.push_back(error);
        return encoding;
    }
    std::unordered_map<std::string, const SignalSetting*> given;
    for (const SignalSetting& setting : settings)
        if (!given.emplace(setting.signal, &setting).second)
            encoding.errors.push_back(GivenTwice(setting.signal));
    encoding.bytes.assign(static_cast<std::size_t>(length), kRecessiveByte);
    for (const Placed& placed : PlacedSignals(target)) {
        const auto found = given.find(placed.name);
        const SignalSetting* setting = found != given.end() ? found->second : nullptr;
        const bool isGiven = setting != nullptr;
        if (isGiven)
            given.erase(found);
        std::string problem;
        if (!placed.known)
            problem = codectext::NoSuchSignal;
        else if (placed.shape.size < 1 || placed.shape.size > kMaxValueBits)
            problem = BadSize(placed.shape.size);
        else if (!BitsInside(encoding.bytes.size(), placed.firstBit, placed.shape.size))
            problem = BeyondLength(length);
        if (!problem.empty()) {
            if (isGiven)
                encoding.errors.push_back(placed.name + ": " + problem);
            continue;
        }
        std::uint64_t raw = placed.initial;
        if (isGiven) {
            const RawValueResult read = ReadSignalValue(placed.encoding, placed.shape, setting->value);
            if (!read) {
                encoding.errors.push_back(placed.name + ": " + read.error);
                continue;
            }
            raw = read.raw;
        } else if (!FitsInBits(raw, placed.shape.size)) {
            encoding.errors.push_back(InitialDoesNotFit(placed.name, raw, placed.shape.size));
            continue;
        }
        WriteBits(encoding.bytes, placed.firstBit, placed.shape.size, raw, BigEndian(placed));
    }
    for (const SignalSetting& setting : settings)
        if (given.count(setting.signal) > 0)
            encoding.errors.push_back(NotInFrame(target.name, setting.signal));
    if (!encoding)
        encoding.bytes.clear();
    return encoding;
}
