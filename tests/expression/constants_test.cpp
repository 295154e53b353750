#include "exprtools/constants.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/table.h"

namespace zentova {
namespace {

TEST(Constants, ThirtyThreeEntriesWhoseValueIsTheirText) {
    const auto constants = Constants();
    ASSERT_EQ(constants.size(), 33u);
    for (const ConstantEntry& entry : constants) {
        const std::string text(entry.valueText);
        EXPECT_EQ(entry.value, std::strtod(text.c_str(), nullptr)) << entry.name;
    }
    EXPECT_EQ(constants[0].name, "π");
    EXPECT_EQ(constants[32].name, "第三宇宙速度");
}

struct ClipboardCase {
    const char* name;
    std::size_t index;
    const char* expected;
};

void PrintTo(const ClipboardCase& c, std::ostream* os) {
    *os << c.name;
}

class ClipboardTable : public ::testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardTable, CopiesTheValueAlone) {
    EXPECT_EQ(ConstantClipboardText(Constants()[GetParam().index]), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Selections, ClipboardTable,
                         ::testing::Values(ClipboardCase{"SpeedOfLight", 2, "299792458"},
                                           ClipboardCase{"MolarVolume", 3, "0.0224141"},
                                           ClipboardCase{"LightYear", 11, "9.4605e+15"},
                                           ClipboardCase{"Pi", 0, "3.14159265359"},
                                           ClipboardCase{"Electron", 4, "1.60217733e-19"},
                                           ClipboardCase{"SecondCosmic", 31, "11200"},
                                           // Exact since 2019; was the mistyped 6.620775e-34.
                                           ClipboardCase{"Planck", 7, "6.62607015e-34"}),
                         testing::RowName());

struct WidthCase {
    const char* name;
    const char* text;
    std::size_t width;
};

void PrintTo(const WidthCase& c, std::ostream* os) {
    *os << c.name;
}

class GbkWidthTable : public ::testing::TestWithParam<WidthCase> {};

TEST_P(GbkWidthTable, CountsGbkBytes) {
    EXPECT_EQ(GbkWidth(GetParam().text), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Texts, GbkWidthTable,
                         ::testing::Values(WidthCase{"Latin", "e", 1}, WidthCase{"Pi", "π", 2},
                                           WidthCase{"Degree", "°", 2},
                                           WidthCase{"Chinese", "真空中的光速", 12},
                                           WidthCase{"Mixed", "地球表面重力加速度(45°纬度处)", 30},
                                           WidthCase{"Empty", "", 0}),
                         testing::RowName());

TEST(ConstantListText, ValuesStartInColumn37) {
    for (const ConstantEntry& entry : Constants()) {
        const std::string text = ConstantListText(entry);
        const std::size_t at = text.find(entry.valueText, entry.name.size());
        ASSERT_NE(at, std::string::npos) << entry.name;
        EXPECT_EQ(GbkWidth(std::string_view(text).substr(0, at)), 37u) << entry.name;
        const std::string tail = text.substr(at + entry.valueText.size());
        std::string unit;
        if (!entry.unit.empty()) unit.append(" ").append(entry.unit);
        EXPECT_EQ(tail, unit);
    }
}

TEST(ConstantListText, ExactLines) {
    std::string pi("π");
    pi.append(35, ' ').append("3.14159265359");
    EXPECT_EQ(ConstantListText(Constants()[0]), pi);
    std::string light("真空中的光速");
    light.append(25, ' ').append("299792458 米·秒^-1");
    EXPECT_EQ(ConstantListText(Constants()[2]), light);
}

}  // namespace
}  // namespace zentova
