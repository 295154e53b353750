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
    {1022, "ceil", "求不小于给定数的最小数"},
    {1023, "sin", "正弦"},
    {1024, "cos", "余弦"},
    {1025, "tan", "正切"},
    {1026, "cot", "余切"},
    {1027, "gcd", "求两数的最大公约数"},
    {1028, "lcm", "求两数的最小公倍数"},
    {1029, "log", "log(a,b)表示求以a为底，b为真数的对数"},
    {1030, "ci", "ci(a,b,c)表示以a为基数，b为变化率，c为周期进行复利计算"},
    {1031, "lg", "求以10为底的对数"},
    {1032, "ln", "求自然对数"},
    {1033, "arcsin", "反正弦"},
    {1034, "arccos", "反余弦"},
    {1035, "arctan", "反正切"},
    {1036, "sqrt", "开平方"},
    {1037, "floor", "求不大于给定数的最大数"},
    {1038, "abs", "求绝对值"},
    {1039, "←", "退格"},
    {1040, "C", "清零"},
    {1041, "=", ""},
    {1042, "arccot", "反余切"},
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
    // Two-argument functions leave the caret before the comma, "ci" before
    // the first of its two commas; one-argument functions after "(".
    if (id >= 1027 && id <= 1029) return {text + "(,", 1};
    if (id == 1030) return {text + "(,,", 2};
    if ((id >= 1022 && id <= 1026) || (id >= 1031 && id <= 1038) || id == 1042) {
        return {text + "(", 0};
    }
    return {text, 0};
}

TextRange BackspaceRange(int start, int end) {
    if (start <= 0 || end < start) return {};
    return {start - 1, end};
}

}  // namespace zentova
