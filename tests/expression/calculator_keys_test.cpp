#include "exprtools/calculator_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/table.h"

namespace zentova {
namespace {

TEST(CalculatorKeys, EveryIdentifierOnceInOrderWithItsOwnCaption) {
    const auto keys = CalculatorKeys();
    ASSERT_EQ(keys.size(), 42u);
    std::set<std::string_view> captions;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].id, kFirstKeyId + static_cast<int>(i));
        EXPECT_TRUE(captions.insert(keys[i].caption).second) << keys[i].caption;
        EXPECT_EQ(FindCalculatorKey(keys[i].id), &keys[i]);
    }
    EXPECT_EQ(FindCalculatorKey(1000), nullptr);
    EXPECT_EQ(FindCalculatorKey(1043), nullptr);
}

TEST(CalculatorKeys, OnlyBackspaceClearAndEqualsAreCommands) {
    for (const CalculatorKey& key : CalculatorKeys()) {
        const KeyCommand command = CommandOfKey(key.id);
        switch (key.id) {
            case 1039:
                EXPECT_EQ(command, KeyCommand::Backspace);
                break;
            case 1040:
                EXPECT_EQ(command, KeyCommand::Clear);
                break;
            case 1041:
                EXPECT_EQ(command, KeyCommand::Evaluate);
                break;
            default:
                EXPECT_EQ(command, KeyCommand::Insert) << key.id;
        }
    }
    EXPECT_TRUE(InsertionOfKey(1039).text.empty());
    EXPECT_TRUE(InsertionOfKey(1041).text.empty());
    EXPECT_TRUE(InsertionOfKey(999).text.empty());
}

struct InsertionRow {
    const char* name;
    int id;
    const char* text;
    int caretBack;
};

class Insertion : public ::testing::TestWithParam<InsertionRow> {};

TEST_P(Insertion, WritesTextAndPlacesCaret) {
    const InsertionRow& row = GetParam();
    const KeyInsertion insertion = InsertionOfKey(row.id);
    EXPECT_EQ(insertion.text, row.text);
    EXPECT_EQ(insertion.caretBack, row.caretBack);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Insertion,
    ::testing::Values(InsertionRow{"Zero", 1001, "0", 0}, InsertionRow{"Nine", 1010, "9", 0},
                      InsertionRow{"DoubleZero", 1017, "00", 0},
                      InsertionRow{"Power", 1021, "^", 0}, InsertionRow{"Cube", 1018, "^3", 0},
                      InsertionRow{"Square", 1020, "^2", 0}, InsertionRow{"Open", 1016, "(", 0},
                      InsertionRow{"Close", 1019, ")", 0}, InsertionRow{"Ceil", 1022, "ceil(", 0},
                      InsertionRow{"Sin", 1023, "sin(", 0}, InsertionRow{"Cot", 1026, "cot(", 0},
                      InsertionRow{"Gcd", 1027, "gcd(,", 1}, InsertionRow{"Lcm", 1028, "lcm(,", 1},
                      InsertionRow{"Log", 1029, "log(,", 1}, InsertionRow{"Ci", 1030, "ci(,,", 2},
                      InsertionRow{"Lg", 1031, "lg(", 0}, InsertionRow{"Abs", 1038, "abs(", 0},
                      InsertionRow{"Arccot", 1042, "arccot(", 0}),
    testing::RowName());

struct BackspaceRow {
    const char* name;
    int start, end;
    int from, to;  // from == to: nothing deleted
};

class Backspace : public ::testing::TestWithParam<BackspaceRow> {};

TEST_P(Backspace, DeletesSelectionAndTheCharacterBefore) {
    const BackspaceRow& row = GetParam();
    const TextRange range = BackspaceRange(row.start, row.end);
    if (row.from == row.to) {
        EXPECT_TRUE(range.empty());
    } else {
        EXPECT_EQ(range.from, row.from);
        EXPECT_EQ(range.to, row.to);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, Backspace,
                         ::testing::Values(BackspaceRow{"CaretAtStart", 0, 0, 0, 0},
                                           BackspaceRow{"SelectionFromStart", 0, 3, 0, 0},
                                           BackspaceRow{"CaretInside", 3, 3, 2, 3},
                                           BackspaceRow{"SelectionInside", 2, 4, 1, 4},
                                           BackspaceRow{"CaretAfterFirst", 1, 1, 0, 1},
                                           BackspaceRow{"Reversed", 4, 2, 0, 0},
                                           BackspaceRow{"Negative", -1, 2, 0, 0}),
                         testing::RowName());

}  // namespace
}  // namespace zentova
