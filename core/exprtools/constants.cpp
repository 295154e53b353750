#include "exprtools/constants.h"

#include <array>

#include "common/number_text.h"

namespace zentova {
namespace {

constexpr std::string_view kDensity = "克·厘米^-3";
constexpr std::string_view kSpeed = "米·秒^-1";

constexpr std::array<ConstantEntry, 33> kConstants = {{
    {"π", "3.14159265359", "", 3.14159265359},
    {"e", "2.71828183", "", 2.71828183},
    {"真空中的光速", "299792458", kSpeed, 299792458},
    {"标况下理想气体摩尔体积", "22.41410e-3", "立方米·摩^-1", 22.41410e-3},
    {"一个电子所带的电量", "1.60217733e-19", "库", 1.60217733e-19},
    {"万有引力常量", "6.67259e-11", "米^2·秒^-2·千克^-1", 6.67259e-11},
    {"阿伏伽德罗常数", "6.0221367e23", "摩^-1", 6.0221367e23},
    {"普朗克常量", "6.62607015e-34", "焦·秒", 6.62607015e-34},
    {"标准大气压", "101325", "帕", 101325},
    {"热功当量", "4.184", "焦·卡^-1", 4.184},
    {"1天文单位", "1.4960e11", "米", 1.4960e11},
    {"1光年", "9.4605e15", "米", 9.4605e15},
    {"地球表面重力加速度(45°纬度处)", "9.8061", "米·秒^-2", 9.8061},
    {"水银的密度", "13.6", kDensity, 13.6},
    {"汽油的密度", "0.7", kDensity, 0.7},
    {"煤油的密度", "0.8", kDensity, 0.8},
    {"海水的密度", "1.03", kDensity, 1.03},
    {"硫酸的密度", "1.8", kDensity, 1.8},
    {"铝的密度", "2.7", kDensity, 2.7},
    {"锌的密度", "7.05", kDensity, 7.05},
    {"生铁的密度", "7.3", kDensity, 7.3},
    {"熟铁的密度", "7.7", kDensity, 7.7},
    {"不锈钢的密度", "7.78", kDensity, 7.78},
    {"钢的密度", "7.8", kDensity, 7.8},
    {"黄铜的密度", "8.2", kDensity, 8.2},
    {"铅的密度", "11.4", kDensity, 11.4},
    {"混凝土的密度", "2.25", kDensity, 2.25},
    {"地球的平均密度", "5.52", kDensity, 5.52},
    {"太阳的平均密度", "1.41", kDensity, 1.41},
    {"月球的平均密度", "3.36", kDensity, 3.36},
    {"第一宇宙速度", "7.9e3", kSpeed, 7.9e3},
    {"第二宇宙速度", "11.2e3", kSpeed, 11.2e3},
    {"第三宇宙速度", "16.7e3", kSpeed, 16.7e3},
}};

}  // namespace

std::span<const ConstantEntry> Constants() {
    return kConstants;
}

std::size_t GbkWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 1;
        } else if ((byte & 0xC0) != 0x80) {
            width += 2;  // the lead byte of a character beyond ASCII
        }
    }
    return width;
}

std::string ConstantListText(const ConstantEntry& entry) {
    std::string text(entry.name);
    for (std::size_t width = GbkWidth(entry.name); width < kConstantValueColumn; ++width) {
        text.push_back(' ');
    }
    text.append(entry.valueText);
    if (!entry.unit.empty()) {
        text.push_back(' ');
        text.append(entry.unit);
    }
    return text;
}

std::string ConstantClipboardText(const ConstantEntry& entry) {
    return FormatDouble(entry.value);
}

}  // namespace zentova
