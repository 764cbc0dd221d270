// Frames and byte strings against the values LIN's bit order and the
// encoding types give, worked out by hand; encoding gives the bytes back.

#include "validation/FrameCodec.h"
#include "TestFiles.h"
#include "model/LinNetwork.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// tests/data/values/signal-values.ldf: frames whose signals cross bytes,
// byte arrays, unused bits and every kind of encoding value.
std::unique_ptr<LinNetwork> ValuesNetwork()
{
    return LinNetwork::Load(TestDataDir() + "/values/signal-values.ldf").network;
}

FrameData Bytes(const std::string& hex)
{
    FrameData bytes;
    EXPECT_TRUE(ReadHexBytes(hex, bytes)) << hex;
    return bytes;
}

// "Name=raw text=meaning text" for every signal, or the error; without
// the raw text where only the meaning counts.
std::string Shown(const FrameReading& reading, bool withRaw = true)
{
    if (!reading)
        return reading.error;
    std::string text = reading.frame + ":";
    for (const SignalReading& signal : reading.signals) {
        text += " " + signal.signal + "=";
        if (withRaw || !signal.problem.empty())
            text += signal.problem.empty() ? RawText(signal.shape, signal.raw) : signal.problem;
        if (!MeaningText(signal.meaning).empty())
            text += "=" + MeaningText(signal.meaning);
    }
    return text;
}

// A signal's raw value: a scalar in hex, a byte array as its bytes.
std::string RawSetting(const SignalReading& signal)
{
    char hex[24];
    std::snprintf(hex, sizeof hex, "0x%llx", static_cast<unsigned long long>(signal.raw));
    return signal.shape.isByteArray ? RawText(signal.shape, signal.raw) : hex;
}

// Every signal by its raw value, or as the user reads it where that says
// more (not where it is out of range).
std::vector<SignalSetting> Settings(const FrameReading& reading, bool shown)
{
    std::vector<SignalSetting> settings;
    for (const SignalReading& signal : reading.signals) {
        if (!signal.problem.empty())
            continue;
        const std::string text = MeaningText(signal.meaning);
        const bool meaningful = !text.empty() && signal.meaning.kind != ValueKind::OutOfRange;
        settings.push_back({signal.signal, shown && meaningful ? text : RawSetting(signal)});
    }
    return settings;
}

struct DecodeRow {
    int line;
    const char* frame;
    const char* bytes;
    const char* shown;
};

TEST(FrameCodec, DecodesByTheBitOrderAndEncodings)
{
    const DecodeRow rows[] = {
        // Bit 0, a signal from bit 3 of byte 0 into byte 1, logical and physical values.
        {__LINE__, "F1", "AF BC FE 64",
         "F1: Bit0=1 (0x1) Cross=1941 (0x795) Mode=2 (0x2)=auto Temp=100 (0x64)=10 degC"},
        {__LINE__, "F1", "1E 89 FD 00", "F1: Bit0=0 (0x0) Cross=291 (0x123) Mode=1 (0x1)=on Temp=0 (0x0)=-40 degC"},
        {__LINE__, "F1", "FF FF FF 01",
         "F1: Bit0=1 (0x1) Cross=4095 (0xFFF) Mode=3 (0x3)=out of range Temp=1 (0x1)=-39.5 degC"},
        {__LINE__, "F1", "FF FF FF FF",
         "F1: Bit0=1 (0x1) Cross=4095 (0xFFF) Mode=3 (0x3)=out of range Temp=255 (0xFF)=invalid"},
        {__LINE__, "F1", "FF FF FF FB",
         "F1: Bit0=1 (0x1) Cross=4095 (0xFFF) Mode=3 (0x3)=out of range Temp=251 (0xFB)=out of range"},
        // Two physical ranges of one unit; a logical value beside them.
        {__LINE__, "F2", "1A 04 42 FF", "F2: Speed=1050 (0x41A)=150 km/h Code=66 (0x42)=42"},
        {__LINE__, "F2", "E8 03 09 FF", "F2: Speed=1000 (0x3E8)=100 km/h Code=9 (0x9)=09"},
        {__LINE__, "F2", "05 00 4A FF", "F2: Speed=5 (0x5)=0.5 km/h Code=74 (0x4A)=out of range"},
        {__LINE__, "F2", "FF FF 00 FF", "F2: Speed=65535 (0xFFFF)=error Code=0 (0x0)=00"},
        {__LINE__, "F2", "FF FE 00 FF", "F2: Speed=65279 (0xFEFF)=out of range Code=0 (0x0)=00"},
        // Byte arrays: ascii characters, and bytes without an encoding.
        {__LINE__, "F3", "41 42 01 2A FF", "F3: Text=41 42=\"AB\" Bytes=01 2A FF"},
        {__LINE__, "F3", "00 41 01 02 03", "F3: Text=00 41=out of range Bytes=01 02 03"},
        // Unused bits are read as nothing.
        {__LINE__, "F4", "5F", "F4: Free=5 (0x5)"},
        {__LINE__, "0x13", "5F", "F4: Free=5 (0x5)"},
        {__LINE__, "19", "5F", "F4: Free=5 (0x5)"},
        // Event-triggered: the first byte is the protected id of the frame carried.
        {__LINE__, "ET1", "14 03", "F5: Free2=3 (0x3)"},
        {__LINE__, "ET1", "55 07", "F6: Free3=7 (0x7)"},
        {__LINE__, "0x3A", "55 07", "F6: Free3=7 (0x7)"},
        {__LINE__, "ET1", "15 07", "byte 0 (0x15) is the protected id of no frame of ET1"},
        {__LINE__, "ET1", "", "too short: ET1 takes 1 byte, 0 given"},
        // Diagnostic frames: their eight bytes.
        {__LINE__, "MasterReq", "01 02 03 04 05 06 07 08",
         "MasterReq: MasterReqB0=1 (0x1) MasterReqB1=2 (0x2) MasterReqB2=3 (0x3) MasterReqB3=4 (0x4) "
         "MasterReqB4=5 (0x5) MasterReqB5=6 (0x6) MasterReqB6=7 (0x7) MasterReqB7=8 (0x8)"},
        {__LINE__, "61", "01 02 03 04 05 06 07", "too short: SlaveResp takes 8 bytes, 7 given"},
        // Too short and too long.
        {__LINE__, "F1", "AF BC FE", "too short: F1 takes 4 bytes, 3 given"},
        {__LINE__, "F1", "AF BC FE 64 00", "too long: F1 takes 4 bytes, 5 given"},
        {__LINE__, "Nope", "00", "no frame Nope"},
        {__LINE__, "0x2F", "00", "no frame 0x2F"},
    };
    const auto network = ValuesNetwork();
    ASSERT_TRUE(network);
    const FrameCodec codec(*network);
    for (const DecodeRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.frame << " " << row.bytes);
        const FrameData bytes = Bytes(row.bytes);
        const FrameReading reading = codec.Decode(row.frame, bytes);
        EXPECT_EQ(row.shown, Shown(reading));
        if (!reading)
            continue;
        // The values give the bytes back, as raw values and as the user reads them.
        for (bool shown : {false, true}) {
            const FrameEncoding encoded = codec.Encode(row.frame, Settings(reading, shown));
            ASSERT_TRUE(encoded) << encoded.errors.front();
            EXPECT_EQ(HexBytesText(bytes), HexBytesText(encoded.bytes));
        }
    }
}

struct EncodeRow {
    int line;
    const char* frame;
    std::vector<SignalSetting> settings;
    const char* expected;  // the bytes, or the errors one per line
};

std::string Result(const FrameEncoding& encoding)
{
    if (encoding)
        return HexBytesText(encoding.bytes);
    std::string text;
    for (const std::string& error : encoding.errors)
        text += (text.empty() ? "" : "\n") + error;
    return text;
}

TEST(FrameCodec, EncodesValuesAndRefusesWhatNoEncodingValueCovers)
{
    const EncodeRow rows[] = {
        // The initial values, unused bits recessive.
        {__LINE__, "F1", {}, "1E 89 FD 00"},
        {__LINE__, "F1", {{"Temp", "10 degC"}, {"Mode", "auto"}, {"Bit0", "1"}, {"Cross", "0x795"}}, "AF BC FE 64"},
        {__LINE__, "F1", {{"Temp", "10"}}, "1E 89 FD 64"},
        {__LINE__, "F1", {{"Temp", "-39.6degC"}}, "1E 89 FD 01"},
        {__LINE__, "F1", {{"Temp", "invalid"}}, "1E 89 FD FF"},
        {__LINE__, "F1", {{"Temp", "\"invalid\""}}, "1E 89 FD FF"},
        {__LINE__, "F1", {{"Mode", "0x3"}}, "1E 89 FF 00"},
        {__LINE__, "F1", {{"Mode", "2"}}, "1E 89 FE 00"},
        {__LINE__, "F1", {{"Temp", "10 degF"}}, "Temp: 10 degF is no value of TempEnc"},
        {__LINE__, "F1", {{"Temp", "200 degC"}}, "Temp: 200 degC is no value of TempEnc"},
        {__LINE__, "F1", {{"Mode", "blink"}}, "Mode: blink is no value of ModeEnc"},
        {__LINE__, "F1", {{"Mode", "3"}}, "Mode: 3 is no value of ModeEnc"},
        {__LINE__,
         "F1",
         {{"Bit0", "2"}, {"Cross", "0x1000"}},
         "Bit0: 2 does not fit in 1 bit\nCross: 0x1000 does not fit in 12 bits"},
        {__LINE__, "F1", {{"Bit0", ""}}, "Bit0: no value given"},
        {__LINE__, "F1", {{"Bit0", "one"}}, "Bit0: one is not a value of this signal"},
        {__LINE__, "F1", {{"Nope", "1"}, {"Bit0", "1"}, {"Bit0", "0"}}, "Bit0: given twice\nF1 has no signal Nope"},
        {__LINE__, "F2", {{"Speed", "150 km/h"}, {"Code", "42"}}, "1A 04 42 FF"},
        {__LINE__, "F2", {{"Speed", "100"}, {"Code", "7"}}, "E8 03 07 FF"},
        {__LINE__, "F2", {{"Speed", "101 km/h"}}, "E9 03 00 FF"},
        {__LINE__, "F2", {{"Speed", "error"}}, "FF FF 00 FF"},
        {__LINE__, "F2", {{"Code", "123"}}, "Code: 123 is no value of CodeEnc"},
        {__LINE__, "F2", {{"Speed", "-1"}}, "Speed: -1 is no value of SpeedEnc"},
        {__LINE__, "F3", {}, "41 42 01 02 03"},
        {__LINE__, "F3", {{"Text", "\"A\""}, {"Bytes", "0a0b0c"}}, "41 20 0A 0B 0C"},
        {__LINE__, "F3", {{"Text", "ABC"}}, "Text: ABC is no value of TextEnc"},
        {__LINE__, "F3", {{"Bytes", "01 02"}}, "Bytes: 01 02 is not a value of this signal"},
        // An event-triggered frame: the frame that holds the signals, its protected id first.
        {__LINE__, "ET1", {{"Free3", "7"}}, "55 07"},
        {__LINE__, "ET1", {}, "14 00"},
        {__LINE__, "ET1", {{"Temp", "1"}}, "no frame of ET1 holds every signal given"},
        {__LINE__, "MasterReq", {{"MasterReqB0", "0x3C"}}, "3C 00 00 00 00 00 00 00"},
    };
    const auto network = ValuesNetwork();
    ASSERT_TRUE(network);
    const FrameCodec codec(*network);
    for (const EncodeRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << row.frame);
        EXPECT_EQ(row.expected, Result(codec.Encode(row.frame, row.settings)));
    }
}

TEST(FrameCodec, ABigEndianFileHasTheMoreSignificantPartInTheLowerByte)
{
    const std::string text = R"(LIN_description_file;
LIN_protocol_version = "ISO17987:2016";
LIN_language_version = "ISO17987:2016";
LIN_speed = 19.2 kbps;
LIN_sig_byte_order_big_endian;
Nodes { Master: M, 5 ms, 0.1 ms; Slaves: S; }
Signals { Word: 16, 0, M, S; Odd: 12, 0, M, S; Arr: 16, {1, 2}, M, S; }
Frames { F: 0x01, M, 6 { Word, 0; Odd, 20; Arr, 32; } }
)";
    const auto network = LinNetwork::LoadFromText(text);
    ASSERT_TRUE(network);
    ASSERT_EQ(SignalByteOrder::BigEndian, network->byteOrder);
    const FrameCodec codec(*network);
    const FrameData bytes = Bytes("12 34 AF CD 01 02");
    EXPECT_EQ("F: Word=4660 (0x1234) Odd=2765 (0xACD) Arr=01 02", Shown(codec.Decode("F", bytes)));
    const FrameEncoding encoded = codec.Encode("F", {{"Word", "0x1234"}, {"Odd", "0xACD"}});
    EXPECT_EQ("12 34 AF CD 01 02", Result(encoded));

    auto little = LinNetwork::LoadFromText(text);
    little->byteOrder = SignalByteOrder::NotGiven;
    EXPECT_EQ("F: Word=13330 (0x3412) Odd=3290 (0xCDA) Arr=01 02", Shown(FrameCodec(*little).Decode("F", bytes)));
}

TEST(FrameCodec, BrokenFramesAndSignalsGiveReasonsNotCrashes)
{
    auto network = ValuesNetwork();
    ASSERT_TRUE(network);
    network->FindFrame("F4")->length = 9;
    network->FindFrame("F5")->length = -3;
    network->FindFrame("F6")->signalNames.push_back("Ghost");
    network->FindFrame("F6")->offsets.push_back(4);
    network->FindFrame("F2")->offsets[1] = 30;
    network->FindSignal("Free2")->size = 65;
    const FrameCodec codec(*network);
    EXPECT_EQ("F4 has length 9; a frame holds 1 to 8 bytes", Shown(codec.Decode("F4", Bytes("00"))));
    EXPECT_EQ("F5 has length -3; a frame holds 1 to 8 bytes", Result(codec.Encode("F5", {})));
    EXPECT_EQ("F6: Free3=7 (0x7) Ghost=no such signal", Shown(codec.Decode("F6", Bytes("55 07"))));
    EXPECT_EQ("F2: Speed=5 (0x5)=0.5 km/h Code=lies beyond the frame's 4 bytes",
              Shown(codec.Decode("F2", Bytes("05 00 00 00"))));
    EXPECT_EQ("Code: lies beyond the frame's 4 bytes", Result(codec.Encode("F2", {{"Code", "1"}})));
    EXPECT_EQ("FF FF FF FF", Result(codec.Encode("F2", {{"Speed", "error"}})));
    network->FindFrame("F5")->length = 2;
    EXPECT_EQ("Free2: size 65 is not 1 to 64", Result(codec.Encode("F5", {{"Free2", "1"}})));
}

// Random bytes of every frame of every corpus file: the raw values give
// bytes that read the same (unused bits become recessive), and what the
// user reads gives bytes that read the same again (two logical values may
// share a text, so not always the same bytes).
class CorpusCodec : public testing::TestWithParam<std::string> {};

TEST_P(CorpusCodec, RandomBytesRoundTrip)
{
    const auto network = Prepared(LinNetwork::Load(GetParam()).network);
    ASSERT_TRUE(network);
    const FrameCodec codec(*network);
    std::vector<std::string> frames = {"MasterReq", "SlaveResp"};
    for (const auto& frame : network->frames)
        frames.push_back(frame->name);
    for (const auto& event : network->eventTriggeredFrames)
        frames.push_back(event->name);
    std::mt19937 random(7);
    for (const std::string& frame : frames) {
        SCOPED_TRACE(frame);
        // The bytes the frame's own initial values make tell its length.
        const FrameEncoding initial = codec.Encode(frame, {});
        if (!initial)
            continue;
        for (int round = 0; round < 20; ++round) {
            FrameData bytes = initial.bytes;
            for (std::uint8_t& byte : bytes)
                byte = static_cast<std::uint8_t>(random());
            // An event-triggered frame's first byte names the frame carried.
            if (initial.frame != frame)
                bytes.front() = initial.bytes.front();
            const FrameReading reading = codec.Decode(frame, bytes);
            ASSERT_TRUE(reading) << reading.error;
            const FrameEncoding byRaw = codec.Encode(frame, Settings(reading, false));
            ASSERT_TRUE(byRaw) << byRaw.errors.front();
            const FrameReading again = codec.Decode(frame, byRaw.bytes);
            ASSERT_EQ(Shown(reading), Shown(again));
            const FrameEncoding byShown = codec.Encode(frame, Settings(again, true));
            ASSERT_TRUE(byShown) << byShown.errors.front();
            EXPECT_EQ(Shown(again, false), Shown(codec.Decode(frame, byShown.bytes), false));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusCodec, testing::ValuesIn(LdfFilesIn(CorpusDir())));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CorpusCodec);

}  // namespace
