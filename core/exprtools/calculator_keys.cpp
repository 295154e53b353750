#include "exprtools/calculator_keys.h"

#include <array>

namespace zentova {
namespace {

constexpr std::array<CalculatorKey, kLastKeyId - kFirstKeyId + 1> kKeys = {{
    {1001, "0", ""},
    {1002, "1", ""},
    {1003, "2", ""},
    {1004, "3", ""},
    {1005, "4", ""},
    {1006, "5", ""},
    {1007, "6", ""},
    {1008, "7", ""},
    {1009, "8", ""},
    {1010, "9", ""},
    {1011, "+", ""},
    {1012, "-", ""},
    {1013, "*", ""},
    {1014, ".", ""},
    {1015, "/", ""},
    {1016, "(", ""},
    {1017, "00", ""},
    {1018, "^3", "立方"},
    {1019, ")", ""},
    {1020, "^2", "平方"},
    {1021, "^", "乘方\n\nx^y表示x的y次方。\n\n如果要求x的y次方根请输入x^(1/y)"},
    {1022, "ceil", "求不小于给定数的最小数", 1},
    {1023, "sin", "正弦", 1},
    {1024, "cos", "余弦", 1},
    {1025, "tan", "正切", 1},
    {1026, "cot", "余切", 1},
    {1027, "gcd", "求两数的最大公约数", 2},
    {1028, "lcm", "求两数的最小公倍数", 2},
    {1029, "log", "log(a,b)表示求以a为底，b为真数的对数", 2},
    {1030, "ci", "ci(a,b,c)表示以a为基数，b为变化率，c为周期进行复利计算", 3},
    {1031, "lg", "求以10为底的对数", 1},
    {1032, "ln", "求自然对数", 1},
    {1033, "arcsin", "反正弦", 1},
    {1034, "arccos", "反余弦", 1},
    {1035, "arctan", "反正切", 1},
    {1036, "sqrt", "开平方", 1},
    {1037, "floor", "求不大于给定数的最大数", 1},
    {1038, "abs", "求绝对值", 1},
    {1039, "←", "退格"},
    {1040, "C", "清零"},
    {1041, "=", ""},
    {1042, "arccot", "反余切", 1},
}};

}  // namespace

std::span<const CalculatorKey> CalculatorKeys() {
    return kKeys;
}

const CalculatorKey* FindCalculatorKey(int id) {
    if (id < kFirstKeyId || id > kLastKeyId) return nullptr;
    return &kKeys[static_cast<std::size_t>(id - kFirstKeyId)];
}

KeyCommand CommandOfKey(int id) {
    switch (id) {
        case kBackspaceKeyId:
            return KeyCommand::Backspace;
        case kClearKeyId:
            return KeyCommand::Clear;
        case kEqualsKeyId:
            return KeyCommand::Evaluate;
        default:
            return KeyCommand::Insert;
    }
}

KeyInsertion InsertionOfKey(int id) {
    const CalculatorKey* key = FindCalculatorKey(id);
    if (key == nullptr || CommandOfKey(id) != KeyCommand::Insert) return {};
    std::string text(key->caption);
    if (key->arguments == 0) return {text, 0};
    // A function's commas come with it, and the caret lands where its first
    // argument goes: after "(", before the first comma.
    const int commas = key->arguments - 1;
    return {text + "(" + std::string(static_cast<std::size_t>(commas), ','), commas};
}

TextRange BackspaceRange(int start, int end) {
    if (start <= 0 || end < start) return {};
    return {start - 1, end};
}

}  // namespace zentova
