#include "editing/EntryRules.h"
#include "NetworkFixtures.h"
#include "editing/MasterForm.h"
#include "editing/NodeAttributesForm.h"

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

TEST(NumberFields, SaturateTakeHexWhereTheFileDoesAndNeverInventANumber)
{
    using Form = NodeAttributesForm;
    const struct {
        const char* text;
        NumberField field;
        std::optional<int> value;
    } cases[] = {
        {"", Form::kSupplierIdField, 0},
        {"0x", Form::kSupplierIdField, 0},
        {"12", Form::kSupplierIdField, 12},
        {"99999999999999999999999", Form::kSupplierIdField, 0x7FFF},
        {"0x4A4F", Form::kSupplierIdField, 0x4A4F},
        {"0xFFFFFFFFFFFF", Form::kFunctionIdField, 0xFFFF},
        {"0X1a", Form::kVariantField, 26},
        {"256", Form::kVariantField, 255},
        {"65536", Form::kMessageIdField, 65535},
        {"99999999999999999", Form::kMillisecondsField, INT_MAX},
        {"99999999999999999", MasterForm::kTimeBaseField, INT_MAX},
        {"12.5", Form::kMillisecondsField, std::nullopt},
        {"-1", Form::kSupplierIdField, std::nullopt},
        {" 1", Form::kSupplierIdField, std::nullopt},
        {"0x12", Form::kMillisecondsField, std::nullopt},
        {"0x1G", Form::kMessageIdField, std::nullopt},
        {"1x2", Form::kMessageIdField, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumberFieldValue(c.text, c.field), c.value);
        EXPECT_EQ(AcceptNumberText(c.text, c.field.hexAllowed), c.value.has_value());
    }
}

TEST(NumberFields, SheetsStoreSaturatedValuesAndKeepWhatTheyRefuse)
{
    auto n = MakeRichNetwork();
    NodeAttributesForm form = NodeAttributesForm::Read(*n, 0);
    form.supplierId = "99999999999999999999999";
    form.functionId = "0x1234";
    form.variant = "12.5";
    form.stMin = "99999999999999999";
    const int variantBefore = n->FindNodeAttributes("Motor")->variant;
    form.Commit(*n, 0);
    const NodeAttributes* a = n->FindNodeAttributes("Motor");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->supplierId, 0x7FFF);
    EXPECT_EQ(a->functionId, 0x1234);
    EXPECT_EQ(a->variant, variantBefore);
    EXPECT_EQ(a->stMinMs, INT_MAX);

    MasterForm master = MasterForm::Read(*n);
    master.timeBase = "4294967306";  // 2^32 + 10 once wrapped to 10
    master.Commit(*n);
    EXPECT_EQ(n->timeBaseMs, INT_MAX);
}

}  // namespace
