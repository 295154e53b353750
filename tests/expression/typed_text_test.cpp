#include "common/typed_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>

#include "exprtools/expression_tools.h"
#include "support/table.h"

namespace zentova {
namespace {

struct FormCase {
    const char* name;
    const char* typed;
    const char* read;
};

void PrintTo(const FormCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(TypedForms, ReadAsTheirAsciiCharacters) {
    const FormCase& c = GetParam();
    const TypedText typed(c.typed);
    EXPECT_TRUE(typed.mapped());
    EXPECT_EQ(typed.view(), c.read);
    char buffer[64];
    EXPECT_EQ(ReadTypedText(c.typed, buffer), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedForms,
    ::testing::Values(FormCase{"FirstFullWidth", "！", "!"}, FormCase{"LastFullWidth", "～", "~"},
                      FormCase{"BothHalvesOfTheBlock", "＿｀", "_`"},  // EF BC BF, EF BD 80
                      FormCase{"Digits", "０１２３４５６７８９", "0123456789"},
                      FormCase{"Letters", "ＡＺａｚ", "AZaz"},
                      FormCase{"Operators", "（１＋２）＊３／４＾５－６", "(1+2)*3/4^5-6"},
                      FormCase{"FullWidthComma", "1，2", "1,2"},
                      FormCase{"IdeographicSpace", "1　2", "1 2"},
                      FormCase{"IdeographicFullStop", "3。14", "3.14"},
                      FormCase{"TimesAndDivide", "2×3÷4", "2*3/4"},
                      FormCase{"MinusAndDashes", "−1–2—3", "-1-2-3"},
                      FormCase{"MixedWithChinese", "面积＝ａ×ｂ", "面积=a*b"}),
    testing::RowName());

// Neighbours of the table's characters, and everything else, stay as typed;
// such a text is handed back itself, so it reads exactly as before.
TEST(TypedText, OtherTextIsHandedBackItself) {
    for (const std::string& text : std::initializer_list<std::string>{
             "", "sin(30)+2^3", "1\t2", "中文、名称", "｟｠￠", "\xEF\xBC\x80", "\xE3\x80\x81", "·",
             "‐‑", "≠", std::string("1\0x", 3)}) {
        const TypedText typed(text);
        EXPECT_FALSE(typed.mapped()) << text;
        EXPECT_EQ(typed.view().data(), text.data()) << text;
        char buffer[4];
        EXPECT_EQ(ReadTypedText(text, buffer).data(), text.data()) << text;
    }
    std::mt19937 random(23);
    std::uniform_int_distribution<int> ascii(0, 127);
    for (int round = 0; round < 2000; ++round) {
        std::string text(static_cast<std::size_t>(round % 40), ' ');
        for (char& c : text)
            c = static_cast<char>(ascii(random));
        ASSERT_FALSE(HasTypedForms(text)) << text;
    }
}

// A reading that does not fit the buffer comes back as typed, which is at
// least as long: a bounded caller refuses it either way.
TEST(TypedText, ReadingTooLongForTheBufferComesBackAsTyped) {
    const std::string typed = "１２３";
    char three[3];
    EXPECT_EQ(ReadTypedText(typed, three), "123");
    char two[2];
    EXPECT_EQ(ReadTypedText(typed, two).data(), typed.data());
    // A cut character at the end is no form.
    EXPECT_FALSE(HasTypedForms("1\xEF\xBC"));
}

struct ExpressionCase {
    const char* name;
    const char* typed;
    AngleMode mode;
    const char* shown;
};

void PrintTo(const ExpressionCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedExpressions : public ::testing::TestWithParam<ExpressionCase> {};

// The calculator keeps the box as typed (ASCII letters lower-cased as
// always) and reads it by the rule.
TEST_P(TypedExpressions, CalculatorReadsThem) {
    const ExpressionCase& c = GetParam();
    std::string text = c.typed;
    EXPECT_EQ(FormatResult(CalculatorEvaluate(text, c.mode)), c.shown);
    EXPECT_EQ(text, LowerCaseAscii(c.typed));
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, TypedExpressions,
    ::testing::Values(ExpressionCase{"Parentheses", "（１＋２）＊３", AngleMode::Radians, "9"},
                      ExpressionCase{"FullWidthCapitals", "ＳＩＮ（３０）", AngleMode::Degrees,
                                     "0.5"},
                      ExpressionCase{"FullWidthPower", "２＾１０", AngleMode::Radians, "1024"},
                      ExpressionCase{"FullWidthPoint", "３．１４", AngleMode::Radians, "3.14"},
                      ExpressionCase{"IdeographicFullStop", "3。14", AngleMode::Radians, "3.14"},
                      ExpressionCase{"ArgumentComma", "gcd(12，18)", AngleMode::Radians, "6"},
                      ExpressionCase{"PastedSigns", "6×2÷4−1", AngleMode::Radians, "2"},
                      ExpressionCase{"Dash", "5–2", AngleMode::Radians, "3"}),
    testing::RowName());

// 1023 full-width characters are 3069 bytes typed and 1023 read: the bound
// is the same in characters as for ASCII.
TEST(TypedExpressions, BoundIsInCharacters) {
    std::string text;
    for (int i = 0; i < 1023; ++i)
        text += "０";
    EXPECT_TRUE(FitsExpressionBox(text));
    EXPECT_EQ(Evaluate(text, AngleMode::Radians).status, EvalStatus::Ok);
    EXPECT_EQ(Evaluate(text + "０", AngleMode::Radians).status, EvalStatus::InputError);
}

// The functions of x and the parameters find full-width ｘ and letters.
TEST(TypedExpressions, FunctionsAndParameters) {
    FunctionOfX f;
    f.SetFunctionText("ｘ＾２");
    EXPECT_EQ(f.EvaluateAtX(3), 9);
    EXPECT_EQ(ComputeWithParameters(f, "ａ×ｂ", "３　４").text, "12");
}

}  // namespace
}  // namespace zentova
