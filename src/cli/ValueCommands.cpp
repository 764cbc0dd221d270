#include "cli/ValueCommands.h"

#include "cli/CliCommands.h"
#include "cli/JsonDocuments.h"
#include "model/LinNetwork.h"
#include "validation/BusLog.h"
#include "validation/FrameCodec.h"

#include <fstream>
#include <ostream>

namespace {

// The lines not decoded that decode-log names one by one; the rest are counted.
constexpr std::size_t kMaxListedLines = 100;
const char* const kCsvHeader = "time,frame,signal,raw,physical,unit";

const char* KindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Logical:
        return "logical";
    case ValueKind::Physical:
        return "physical";
    case ValueKind::Bcd:
        return "bcd";
    case ValueKind::Ascii:
        return "ascii";
    case ValueKind::OutOfRange:
        return codingtext::OutOfRange;
    case ValueKind::Raw:
        break;
    }
    return "raw";
}

// "Temp: 100 (0x64) 10 degC".
std::string SignalLine(const SignalReading& signal)
{
    std::string line = signal.signal + ": ";
    if (!signal.problem.empty())
        return line + signal.problem;
    line += RawText(signal.shape, signal.raw);
    const std::string meaning = MeaningText(signal.meaning);
    return meaning.empty() ? line : line + " " + meaning;
}

nlohmann::ordered_json ByteArray(const FrameData& bytes)
{
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (std::uint8_t byte : bytes)
        array.push_back(byte);
    return array;
}

FrameData BytesOfArray(const SignalReading& signal)
{
    FrameData bytes;
    for (int bit = 0; bit < signal.shape.size; bit += kBitsPerByte)
        bytes.push_back(static_cast<std::uint8_t>(signal.raw >> bit));
    return bytes;
}

nlohmann::ordered_json ReadingDocument(const FrameReading& reading)
{
    nlohmann::ordered_json signals = nlohmann::ordered_json::array();
    for (const SignalReading& signal : reading.signals) {
        nlohmann::ordered_json entry;
        entry["signal"] = signal.signal;
        if (!signal.problem.empty()) {
            entry["problem"] = signal.problem;
            signals.push_back(std::move(entry));
            continue;
        }
        if (signal.shape.isByteArray)
            entry["raw"] = ByteArray(BytesOfArray(signal));
        else
            entry["raw"] = signal.raw;
        entry["kind"] = KindName(signal.meaning.kind);
        entry["text"] = MeaningText(signal.meaning);
        if (signal.meaning.kind == ValueKind::Physical) {
            entry["physical"] = signal.meaning.physical;
            entry["unit"] = signal.meaning.unit;
        }
        signals.push_back(std::move(entry));
    }
    nlohmann::ordered_json document;
    document["frame"] = reading.frame;
    document["id"] = reading.frameId;
    document["signals"] = std::move(signals);
    return document;
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvRow(const std::string& time, const std::string& frame, const SignalReading& signal)
{
    std::string raw;
    std::string physical = signal.problem;
    std::string unit;
    if (signal.problem.empty()) {
        raw = signal.shape.isByteArray ? RawText(signal.shape, signal.raw) : std::to_string(signal.raw);
        // The column holds what stands for the physical value: the logical
        // text, the digits or characters, or "out of range".
        const ValueKind kind = signal.meaning.kind;
        physical = kind == ValueKind::Physical     ? signal.meaning.number
                   : kind == ValueKind::OutOfRange ? MeaningText(signal.meaning)
                                                   : signal.meaning.text;
        unit = kind == ValueKind::Physical ? signal.meaning.unit : std::string();
    }
    return CsvField(time) + "," + CsvField(frame) + "," + CsvField(signal.signal) + "," + CsvField(raw) + "," +
           CsvField(physical) + "," + CsvField(unit);
}

// The codec's network: loaded and tidied up as the preparation does it.
struct LoadedCodec {
    ReadNetwork network;
    std::unique_ptr<FrameCodec> codec;
};

LoadedCodec LoadCodec(const std::string& file, std::ostream& err)
{
    LoadedCodec loaded;
    loaded.network = LoadTidiedWithoutText(file, err);
    if (loaded.network)
        loaded.codec = std::make_unique<FrameCodec>(*loaded.network);
    return loaded;
}

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// A frame the network does not have is a usage error, as for layout.
const FrameCodec* CodecWithFrame(const LoadedCodec& loaded, const std::string& frame, const std::string& file,
                                 std::ostream& err)
{
    if (!loaded.codec)
        return nullptr;
    if (loaded.codec->HasFrame(frame))
        return loaded.codec.get();
    Fail(err, "no frame " + frame + " in " + file);
    return nullptr;
}

}  // namespace

int RunDecode(const std::string& file, const std::string& frame, const std::vector<std::string>& bytesWords, bool json,
              std::ostream& out, std::ostream& err)
{
    FrameData bytes;
    if (!ReadHexBytes(Joined(bytesWords), bytes)) {
        Fail(err, "BYTES are not bytes in hex: " + Joined(bytesWords));
        return kExitFailure;
    }
    const LoadedCodec loaded = LoadCodec(file, err);
    const FrameCodec* codec = CodecWithFrame(loaded, frame, file, err);
    if (!codec)
        return kExitFailure;
    const FrameReading reading = codec->Decode(frame, bytes);
    if (!reading) {
        Fail(err, reading.error);
        return kExitFindings;
    }
    if (json) {
        out << JsonText(ReadingDocument(reading));
    } else {
        for (const SignalReading& signal : reading.signals)
            out << SignalLine(signal) << "\n";
    }
    return Flushed(out, err, kExitSuccess);
}

int RunEncode(const std::string& file, const std::string& frame, const std::vector<std::string>& assignments, bool json,
              std::ostream& out, std::ostream& err)
{
    std::vector<SignalSetting> settings;
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        settings.push_back({assignment.substr(0, equals), assignment.substr(equals + 1)});
    }
    const LoadedCodec loaded = LoadCodec(file, err);
    const FrameCodec* codec = CodecWithFrame(loaded, frame, file, err);
    if (!codec)
        return kExitFailure;
    const FrameEncoding encoding = codec->Encode(frame, settings);
    if (!encoding) {
        for (const std::string& error : encoding.errors)
            Fail(err, error);
        return kExitFindings;
    }
    if (json) {
        nlohmann::ordered_json document;
        document["frame"] = encoding.frame;
        document["bytes"] = ByteArray(encoding.bytes);
        document["hex"] = HexBytesText(encoding.bytes);
        out << JsonText(document);
    } else {
        out << HexBytesText(encoding.bytes) << "\n";
    }
    return Flushed(out, err, kExitSuccess);
}

int RunDecodeLog(const std::string& file, const std::string& log, bool csv, std::ostream& out, std::ostream& err)
{
    const LoadedCodec loaded = LoadCodec(file, err);
    if (!loaded.codec)
        return kExitFailure;
    std::ifstream input(log, std::ios::binary);
    if (!input) {
        Fail(err, "Cannot open the file " + log);
        return kExitFailure;
    }
    if (csv)
        out << kCsvHeader << "\n";
    std::vector<std::string> listed;
    std::size_t notDecoded = 0;
    std::string text;
    for (std::size_t number = 1; std::getline(input, text); ++number) {
        const LogLine line = ReadLogLine(text);
        if (line.blank)
            continue;
        std::string error = line.error;
        FrameReading reading;
        if (line) {
            reading = loaded.codec->DecodeId(line.frameId, line.bytes);
            error = reading.error;
        }
        if (!error.empty()) {
            if (++notDecoded <= kMaxListedLines)
                listed.push_back("line " + std::to_string(number) + ": " + error);
            continue;
        }
        for (const SignalReading& signal : reading.signals) {
            if (csv)
                out << CsvRow(line.time, reading.frame, signal) << "\n";
            else
                out << line.time << " " << reading.frame << " " << SignalLine(signal) << "\n";
        }
    }
    if (input.bad()) {
        Fail(err, "Cannot read the file " + log);
        return kExitFailure;
    }
    const int status = Flushed(out, err, notDecoded == 0 ? kExitSuccess : kExitFindings);
    if (notDecoded > 0)
        Fail(err, std::to_string(notDecoded) + (notDecoded == 1 ? " line" : " lines") + " not decoded:");
    for (const std::string& reason : listed)
        Fail(err, reason);
    if (notDecoded > listed.size())
        Fail(err, "and " + std::to_string(notDecoded - listed.size()) + " more");
    return status;
}
