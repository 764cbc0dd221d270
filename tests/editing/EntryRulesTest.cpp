#include "editing/EntryRules.h"
#include "NetworkFixtures.h"
#include "editing/EncodingForms.h"
#include "editing/MasterForm.h"
#include "editing/NodeAttributesForm.h"
#include "editing/ScheduleForms.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(NameFields, FilterOnlyWhatWasTypedOrPasted)
{
    const struct {
        const char* before;
        const char* after;
        const char* text;
        std::size_t caret;
    } cases[] = {
        {"", "1abc", "_abc", 4},
        {"T\xC3\xBCr-1", "T\xC3\xBCr-1x", "T\xC3\xBCr-1x", 7},
        {"ab", "a- b.c!b", "abcb", 3},          // pasted in the middle
        {"_abc", "7abc", "_abc", 1},            // a digit typed first
        {"_1ab", "1ab", "_1ab", 1},             // a digit left first
        {"T\xC3\xBCr", "T\xC3\xB6r", "Tr", 1},  // a replaced letter outside ASCII
        {"Motor", "", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        const NameFieldText name = FilterNameEdit(c.before, c.after);
        EXPECT_EQ(name.text, c.text);
        EXPECT_EQ(name.caret, c.caret);
    }
}

TEST(NameFields, AnEmptiedSlaveNameKeepsThePreviousOne)
{
    auto n = MakeRichNetwork();
    NodeAttributesForm form = NodeAttributesForm::Read(*n, 1);
    form.name.clear();
    form.Commit(*n, 1);
    EXPECT_EQ(n->slaves[1]->name, "Light");
}

TEST(NumberFields, TakeHexWhereTheFileDoesAndNeverInventANumber)
{
    using Form = NodeAttributesForm;
    const struct {
        const char* text;
        NumberField field;
        std::optional<int> value;
    } cases[] = {
        {"", Form::kSupplierIdField, 0},
        {"0x", Form::kSupplierIdField, std::nullopt},
        {"12", Form::kSupplierIdField, 12},
        {"32766", Form::kSupplierIdField, 32766},
        {"32767", Form::kSupplierIdField, std::nullopt},  // the wildcard is outside what the page shows
        {"99999999999999999999999", Form::kSupplierIdField, std::nullopt},
        {"0x4A4F", Form::kSupplierIdField, 0x4A4F},
        {"0xFFFFFFFFFFFF", Form::kFunctionIdField, std::nullopt},
        {"0X1a", Form::kVariantField, 26},
        {"256", Form::kVariantField, std::nullopt},
        {"0xFF", Form::kInitialNadField, 255},
        {"65535", Form::kMessageIdField, 65535},
        {"65536", Form::kMessageIdField, std::nullopt},
        {"99999999999999999", Form::kMillisecondsField, std::nullopt},
        {"4294967306", MasterForm::kTimeBaseField, std::nullopt},  // never wrapped to 10
        {"12.5", Form::kFunctionIdField, std::nullopt},
        {"-5", Form::kSupplierIdField, std::nullopt},
        {" 1", Form::kSupplierIdField, std::nullopt},
        {"0x12", Form::kMillisecondsField, std::nullopt},
        {"0x1G", Form::kMessageIdField, std::nullopt},
        {"1x2", Form::kMessageIdField, std::nullopt},
        {"0", NumberField{255, true, 1}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberFieldValue(c.text, c.field), c.value);
    }
}

// What each kind of field does with a typed text: refuse it as typed, show
// it red (incomplete or out of range) and refuse OK with a reason, or take it.
TEST(NumberFields, TypedTextsAreRefusedIncompleteOutOfRangeOrTaken)
{
    using State = NumberTextState;
    const NumberRange id = RangeOf(NodeAttributesForm::kSupplierIdField);
    const NumberRange byte = RangeOf(NodeAttributesForm::kInitialNadField);
    const NumberRange time = NodeAttributesForm::kTimeRange;
    const NumberRange delay = ScheduleEntryForm::kTimeRange;
    const NumberRange signedNumber = EncodingValueForm::kSignedRange;
    const struct {
        const char* text;
        NumberRange range;
        State state;
        const char* problem;
    } cases[] = {
        {"", id, State::Valid, ""},
        {"0x7ffe", id, State::Valid, ""},
        {"0x", id, State::Incomplete, "Geben Sie bitte eine ganze Zahl ein."},
        {"99999999999999999999999", id, State::OutOfRange, "Geben Sie bitte eine ganze Zahl zwischen 0 und 32766 ein."},
        {"0x7FFF", id, State::OutOfRange, "Geben Sie bitte eine ganze Zahl zwischen 0 und 32766 ein."},
        {"-5", id, State::Refused, "Geben Sie bitte eine ganze Zahl ein."},
        {"12.", id, State::Refused, "Geben Sie bitte eine ganze Zahl ein."},
        {"256", byte, State::OutOfRange, "Geben Sie bitte eine ganze Zahl zwischen 0 und 255 ein."},
        {"0x1g", byte, State::Refused, "Geben Sie bitte eine ganze Zahl ein."},
        {"12.5", time, State::Valid, ""},
        {"-5", time, State::Refused, "Geben Sie bitte eine Zahl ein."},
        {"1e", time, State::Incomplete, "Geben Sie bitte eine Zahl ein."},
        {"1e999", time, State::OutOfRange, "Geben Sie bitte eine Zahl zwischen 0 und 2147483647 ein."},
        {"999999999", delay, State::OutOfRange, "Geben Sie bitte eine Zahl zwischen 0 und 9999.9999 ein."},
        {"10 ", delay, State::Refused, "Geben Sie bitte eine Zahl ein."},
        {"-", signedNumber, State::Incomplete, "Geben Sie bitte eine Zahl ein."},
        {"-40.125", signedNumber, State::Valid, ""},
        {"-.5e-3", signedNumber, State::Valid, ""},
        {"0.0125", signedNumber, State::Valid, ""},
        {"4-", signedNumber, State::Refused, "Geben Sie bitte eine Zahl ein."},
        {"a", signedNumber, State::Refused, "Geben Sie bitte eine Zahl ein."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ClassifyNumberText(c.text, c.range), c.state);
        EXPECT_EQ(NumberTextProblem(c.text, c.range), c.problem);
    }
    EXPECT_EQ(RangeText(id), "0 to 32766 or 0x0 to 0x7FFE");
    EXPECT_EQ(RangeText(time), "0 to 2147483647");
    EXPECT_EQ(RangeText(signedNumber), "any number");
}

TEST(NumberFields, SheetsStoreWhatWasTypedOrKeepWhatTheyRefuse)
{
    auto n = MakeRichNetwork();
    NodeAttributesForm form = NodeAttributesForm::Read(*n, 0);
    form.supplierId = "99999999999999999999999";
    form.functionId = "0x1234";
    form.variant = "12.5";
    form.initialNad = "0x1FF";
    form.p2Min = "-5";
    form.stMin = "99999999999999999";
    const NodeAttributes before = *n->FindNodeAttributes("Motor");
    form.Commit(*n, 0);
    const NodeAttributes* a = n->FindNodeAttributes("Motor");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->supplierId, before.supplierId);
    EXPECT_EQ(a->functionId, 0x1234);
    EXPECT_EQ(a->variant, before.variant);
    EXPECT_EQ(a->initialNad, before.initialNad);
    EXPECT_EQ(a->p2MinMs, before.p2MinMs);
    EXPECT_EQ(a->stMinMs, before.stMinMs);

    MasterForm master = MasterForm::Read(*n);
    const int timeBase = n->timeBaseMs;
    master.timeBase = "4294967306";  // 2^32 + 10 once wrapped to 10
    master.Commit(*n);
    EXPECT_EQ(n->timeBaseMs, timeBase);
}

}  // namespace
