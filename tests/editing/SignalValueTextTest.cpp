// The texts the layout picture's Data field and the signal sheet's
// converter line show, on the rich network (MotorSpeed: 8 bits, 0.5 rpm
// per step from -10 rpm).

#include "editing/SignalValueText.h"
#include "NetworkFixtures.h"

#include <gtest/gtest.h>

namespace {

TEST(SignalValueText, FrameDataGivesEachSignalsValueOrWhyNot)
{
    const auto network = MakeRichNetwork();
    struct Row {
        const char* frame;
        const char* hex;
        std::vector<std::string> values;
        const char* error;
    };
    const Row rows[] = {
        {"MotorCmd", "64 FF", {"40 rpm"}, ""},
        {"MotorCmd", "", {}, ""},
        {"MotorCmd", "64", {}, "too short: MotorCmd takes 2 bytes, 1 given"},
        {"MotorCmd", "6x", {}, "not bytes in hex"},
        // No length: the length its id implies; a byte array as bcd digits.
        {"MotorState", "00 01 02 FF", {"0", "0102", "no such signal"}, ""},
        {"MasterReq", "01 02 03 04 05 06 07 08", {"1", "2", "3", "4", "5", "6", "7", "8"}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.frame) + " " + row.hex);
        const FrameDataTexts texts = DecodeFrameData(*network, row.frame, row.hex);
        EXPECT_EQ(row.values, texts.values);
        EXPECT_EQ(row.error, texts.error);
    }
}

TEST(SignalValueText, ConverterGoesFromRawToValueAndBack)
{
    const auto network = MakeRichNetwork();
    const EncodingType* speed = FindEncodingType(*network, "Speed");
    ASSERT_NE(nullptr, speed);
    EXPECT_EQ(nullptr, FindEncodingType(*network, "Nope"));
    const SignalShape shape = ShapeOf("8", false);
    EXPECT_EQ(8, shape.size);
    EXPECT_EQ("40 rpm", MeaningOfRawText(speed, shape, "100"));
    EXPECT_EQ("40 rpm", MeaningOfRawText(speed, shape, "0x64"));
    EXPECT_EQ("300 does not fit in 8 bits", MeaningOfRawText(speed, shape, "300"));
    EXPECT_EQ("100 (0x64)", MeaningOfRawText(nullptr, shape, "100"));
    EXPECT_EQ("100 (0x64)", RawOfValueText(speed, shape, "40 rpm"));
    EXPECT_EQ("100 (0x64)", RawOfValueText(speed, shape, "40"));
    EXPECT_EQ("200 rpm is no value of Speed", RawOfValueText(speed, shape, "200 rpm"));
    EXPECT_EQ("a signal of 0 bits has no value", RawOfValueText(speed, ShapeOf("", false), "40"));
    EXPECT_EQ("a signal of 65 bits has no value", MeaningOfRawText(speed, ShapeOf("65", true), "1"));
    const SignalShape bytes = ShapeOf("16", true);
    EXPECT_EQ("\"AB\"", MeaningOfRawText(FindEncodingType(*network, "Text"), bytes, "41 42"));
    EXPECT_EQ("41 42", RawOfValueText(FindEncodingType(*network, "Text"), bytes, "\"AB\""));
}

}  // namespace
