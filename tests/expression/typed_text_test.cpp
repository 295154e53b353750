#include "common/typed_text.h"

#include <gtest/gtest.h>

#include <string>

#include "exprtools/expression_tools.h"

namespace zentova {
namespace {

// Each form of the table, at both ends of the full-width block, and around
// other text; a reading that does not fit the buffer comes back as typed.
TEST(TypedText, ReadsEachFormAsItsAsciiCharacter) {
    for (const auto& [typed, read] : std::initializer_list<std::pair<std::string, std::string>>{
             {"！～＿｀", "!~_`"},  // EF BC 81, EF BD 9E, EF BC BF, EF BD 80
             {"（１＋２）＊３／４＾５－６．７，ＡＺａｚ", "(1+2)*3/4^5-6.7,AZaz"},
             {"1　2。5", "1 2.5"},
             {"2×3÷4−1–2—3", "2*3/4-1-2-3"},
             {"面积＝ａ×ｂ", "面积=a*b"}}) {
        const TypedText reading(typed);
        EXPECT_TRUE(reading.mapped());
        EXPECT_EQ(reading.view(), read);
        char buffer[64];
        EXPECT_EQ(ReadTypedText(typed, buffer), read);
        char tooSmall[2];
        EXPECT_EQ(ReadTypedText(typed, tooSmall).data(), typed.data());
    }
}

// Neighbours of the table's characters and everything else stay as typed:
// such a text is handed back itself, so it reads exactly as typed.
TEST(TypedText, OtherTextIsHandedBackItself) {
    for (const std::string& text : std::initializer_list<std::string>{
             "", "sin(30)+2^3", "1\t2", "中文、名称", "｟￠", "\xEF\xBC\x80", "\xE3\x80\x81", "·‐≠",
             "1\xEF\xBC", std::string("1\0x", 3)}) {
        EXPECT_EQ(TypedText(text).view().data(), text.data()) << text;
        char buffer[4];
        EXPECT_EQ(ReadTypedText(text, buffer).data(), text.data()) << text;
    }
}

// The calculator lower-cases full-width capitals in their reading and keeps
// the box as typed; "，" separates arguments; the bound is in characters.
TEST(TypedText, ExpressionsReadByTheRule) {
    std::string text = "ＳＩＮ（３０）＋ＧＣＤ（１２，１８）";
    EXPECT_EQ(FormatResult(CalculatorEvaluate(text, AngleMode::Degrees)), "6.5");
    EXPECT_EQ(text, "ＳＩＮ（３０）＋ＧＣＤ（１２，１８）");
    std::string zeros;
    for (int i = 0; i < 1023; ++i)
        zeros += "０";
    EXPECT_EQ(Evaluate(zeros, AngleMode::Radians).status, EvalStatus::Ok);
    EXPECT_EQ(Evaluate(zeros + "０", AngleMode::Radians).status, EvalStatus::InputError);
    FunctionOfX f;
    f.SetFunctionText("ｘ＾２");
    EXPECT_EQ(f.EvaluateAtX(3), 9);
    EXPECT_EQ(ComputeWithParameters(f, "ａ×Ｂ", "３　４").text, "12");
}

}  // namespace
}  // namespace zentova
