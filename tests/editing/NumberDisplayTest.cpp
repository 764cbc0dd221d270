#include "editing/NumberDisplay.h"
#include "NetworkFixtures.h"
#include "editing/DataRows.h"
#include "editing/EntryRules.h"
#include "editing/FrameForms.h"
#include "editing/FrameGroupForms.h"
#include "editing/NodeAttributesForm.h"
#include "editing/ScheduleForms.h"
#include "editing/SignalForms.h"
#include "editing/SignalValueText.h"
#include "validation/TreeOutline.h"

#include <gtest/gtest.h>

namespace {

using namespace outline_text;

// Shows ids in hex for one test and goes back to decimal after it.
class HexDisplay : public testing::Test {
protected:
    void SetUp() override { SetIdDisplayBase(NumberBase::Hexadecimal); }
    void TearDown() override { SetIdDisplayBase(NumberBase::Decimal); }
};

std::string Cell(const DataTable& table, std::size_t row, std::size_t column)
{
    return row < table.rows.size() && column < table.rows[row].cells.size() ? table.rows[row].cells[column] : "?";
}

TEST(NumberDisplay, IdsReadAndShowInBothBases)
{
    EXPECT_EQ("33", IdText(33, NumberBase::Decimal));
    EXPECT_EQ("0x21", IdText(33, NumberBase::Hexadecimal));
    EXPECT_EQ("0x3C", IdText(60, NumberBase::Hexadecimal));
    EXPECT_EQ("0x0", IdText(0, NumberBase::Hexadecimal));
    EXPECT_EQ("-1", IdText(-1, NumberBase::Hexadecimal));  // "not given" stays as it is
    EXPECT_EQ("33", IdText(33));                           // decimal until View > Hexadecimal

    const struct {
        const char* text;
        std::optional<long long> value;
    } cases[] = {{"33", 33},           {"0x21", 33},          {" 0X3c ", 60},
                 {"0x", std::nullopt}, {"x21", std::nullopt}, {"21h", std::nullopt},
                 {"-5", std::nullopt}, {"", std::nullopt},    {"0x-1", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.value, ReadIdText(c.text));
    }
}

TEST(NumberDisplay, TheInitValueEntryTakesBothForms)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"12", 12},
                 {"-5", -5},
                 {"0x1F", 31},
                 {" 0X10 ", 16},
                 {"0x", std::nullopt},
                 {"-0x1", std::nullopt},
                 {"0x3E9", std::nullopt},
                 {"0x1G", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const IntegerEntry entry = CheckIntegerEntry(c.text, SignalForm::kInitRange);
        EXPECT_EQ(c.value, entry.value);
        EXPECT_EQ(c.value.has_value(), entry.message.empty());
    }
}

// Each kind of number the setting turns to hex, as the lists show it.
TEST_F(HexDisplay, ListsShowEveryKindOfIdInHex)
{
    auto n = MakeRichNetwork();
    const DataTable frames = FillDataTable(*n, ItemAt(*n, Frames));
    const DataTable motor = FillDataTable(*n, ItemAt(*n, Nodes, {1}));
    const DataTable diag = FillDataTable(*n, ItemAt(*n, Schedules, {1}));
    const struct {
        const char* kind;
        std::string shown;
        std::string expected;
    } cases[] = {
        {"diagnostic frame id", Cell(frames, 0, 1), "0x3C"},
        {"frame id", Cell(frames, 2, 1), "0x10"},
        {"frame length stays decimal", Cell(frames, 2, 2), "2"},
        {"event-triggered frame id", Cell(FillDataTable(*n, ItemAt(*n, EventTriggeredFrames)), 0, 1), "0x3A"},
        {"dynamic frame id", Cell(FillDataTable(*n, ItemAt(*n, DynamicFrames)), 0, 0), "0x32"},
        {"configured NAD", Cell(motor, 1, 1), "0x5"},
        {"product id", Cell(motor, 2, 1), "Supplier: 0x1E, Function: 0x1, Variant: 0x2"},
        {"message id", Cell(motor, 6, 1), "MotorCmd = 0x1"},
        {"initial value", Cell(FillDataTable(*n, ItemAt(*n, Signals)), 0, 2), "0x3"},
        {"size stays decimal", Cell(FillDataTable(*n, ItemAt(*n, Signals)), 0, 1), "8"},
        {"AssignNAD", Cell(diag, 4, 2), "Old NAD: 0x7F, New NAD: 0x5, Supplier: 0x1E, Function: 0x1"},
        {"delay stays decimal", Cell(diag, 4, 1), "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(c.expected, c.shown);
    }
}

TEST_F(HexDisplay, SheetsShowHexAndCommitEitherForm)
{
    auto n = MakeRichNetwork();
    FrameForm frame = FrameForm::Read(*n, 0);
    EXPECT_EQ("0x10", frame.id);
    const std::vector<std::string> ids = FrameForm::IdChoices(*n, 0);
    EXPECT_NE(std::find(ids.begin(), ids.end(), "0x10"), ids.end());
    frame.id = "0x21";
    frame.Commit(*n, 0);
    EXPECT_EQ(33, n->frames[0]->frameId);
    frame.id = "34";
    frame.Commit(*n, 0);
    EXPECT_EQ(34, n->frames[0]->frameId);

    EXPECT_EQ("0x3A", EventTriggeredFrameForm::Read(*n, 0).frameId);
    const SignalForm signal = SignalForm::Read(*n, 2);
    EXPECT_EQ((std::vector<std::string>{"0x1", "0x2"}), signal.initValues);

    NodeAttributesForm motor = NodeAttributesForm::Read(*n, 0);
    EXPECT_EQ("0x5", motor.configuredNad);
    EXPECT_EQ("0x1E", motor.supplierId);
    EXPECT_EQ("0x2", motor.variant.value_or("?"));
    ASSERT_FALSE(motor.frames.empty());
    EXPECT_EQ("MotorCmd (0x1)", motor.frames.front().ItemText());
    const std::vector<std::string> nads = NodeAttributesForm::NadChoices();
    EXPECT_EQ("0x1", nads.front());
    motor.supplierId = "0x7F";
    motor.configuredNad = "0x9";
    motor.Commit(*n, 0);
    EXPECT_EQ(0x7F, n->nodeAttributes[0]->supplierId);
    EXPECT_EQ(9, n->nodeAttributes[0]->configuredNad);

    EXPECT_EQ("0x7F", ScheduleEntryForm::Read(*n, 1, 4).oldNad);
}

TEST_F(HexDisplay, TheFrameLayoutPictureShowsRawValuesInHex)
{
    auto n = MakeRichNetwork();
    // MotorError has no encoding type, so the picture shows its raw value.
    const FrameDataTexts texts = DecodeFrameData(*n, "MotorState", "01 00 00 00");
    ASSERT_FALSE(texts.values.empty()) << texts.error;
    EXPECT_EQ("0x1", texts.values.front());
}

}  // namespace
