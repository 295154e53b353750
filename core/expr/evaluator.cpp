#include "expr/evaluator.h"

#include "common/number_text.h"
#include "common/typed_text.h"
#include "expr/expr_messages.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zentova {
namespace {

// Token kinds. Numbers, the seven operator characters, unary minus, then one
// kind per function in the order of kFunctionNames.
enum Kind : std::uint8_t {
    kNumber,
    kPlus,
    kMinus,
    kTimes,
    kDivide,
    kPower,
    kOpen,
    kClose,
    kComma,
    kNegate,
    kSin,
    kCos,
    kTan,
    kCot,
    kLog,
    kLg,
    kLn,
    kAbs,
    kArcsin,
    kArccos,
    kArctan,
    kGcd,
    kLcm,
    kCi,
    kFloor,
    kCeil,
    kSqrt,
    kArccot,
};

constexpr std::array<std::string_view, 18> kFunctionNames = {
    "sin",    "cos",    "tan", "cot", "log", "lg",    "ln",   "abs",  "arcsin",
    "arccos", "arctan", "gcd", "lcm", "ci",  "floor", "ceil", "sqrt", "arccot"};

constexpr bool IsFunction(std::uint8_t kind) {
    return kind >= kSin;
}

constexpr int Priority(std::uint8_t kind) {
    switch (kind) {
        case kOpen:
            return 0;
        case kPlus:
            return 1;
        case kMinus:
            return 2;
        case kNegate:
            return 3;
        case kTimes:
            return 4;
        case kDivide:
            return 5;
        case kPower:
            return 6;
        default:
            return 7;  // functions
    }
}

constexpr bool IsOperatorChar(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')' ||
           c == ',';
}

constexpr std::uint8_t OperatorKind(char c) {
    switch (c) {
        case '+':
            return kPlus;
        case '-':
            return kMinus;
        case '*':
            return kTimes;
        case '/':
            return kDivide;
        case '^':
            return kPower;
        case '(':
            return kOpen;
        case ')':
            return kClose;
        default:
            return kComma;
    }
}

constexpr double kRadiansPerDegree = 0.017453292519943295;
// The ten-digit pi of arccot for negative arguments is part of its definition.
constexpr double kArccotPi = 3.141592654;

struct Token {
    std::uint8_t kind;
    double value;
};

// Reads a run that starts with a digit or "." as one decimal number: digits,
// an optional fraction and an optional exponent, and nothing else. A run that
// holds more than a number (3abc, 3.5.1, 1e) is not read at all, so that no
// part of what was typed is silently dropped.
bool ReadNumber(std::string_view run, double& value) {
    const char* first = run.data();
    const char* last = first + run.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr != last) return false;
    if (ec == std::errc()) return true;
    if (ec != std::errc::result_out_of_range) return false;
    // Out of range: the scan conversion gives the overflowed or underflowed
    // value itself, which the final test then judges.
    char buffer[kMaxExpressionLength + 1];
    const auto length = static_cast<std::size_t>(ptr - first);
    std::memcpy(buffer, first, length);
    buffer[length] = '\0';
    value = std::strtod(buffer, nullptr);
    return true;
}

// Turns a finished run into a token. Only a run followed by an operator
// character may name a function.
bool MakeRunToken(std::string_view run, bool followedByOperator, Token& token) {
    const char first = run.front();
    // Every function name starts with a lower-case letter, and most runs are
    // numbers: they skip the name comparisons.
    if (followedByOperator && first >= 'a' && first <= 'z') {
        for (std::size_t i = 0; i < kFunctionNames.size(); ++i) {
            if (run == kFunctionNames[i]) {
                token = {static_cast<std::uint8_t>(kSin + i), 0.0};
                return true;
            }
        }
    }
    if (!((first >= '0' && first <= '9') || first == '.')) return false;
    token.kind = kNumber;
    return ReadNumber(run, token.value);
}

// Blanks separate tokens and are otherwise ignored, so that pasted texts such
// as "12.5 + 3 *2" are read; a blank inside a number makes two numbers.
constexpr bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr std::uint8_t Arity(std::uint8_t function) {
    switch (function) {
        case kLog:
        case kGcd:
        case kLcm:
            return 2;
        case kCi:
            return 3;
        default:
            return 1;
    }
}

// The order in which tokens may follow each other. Without it the value
// stack would accept texts that are not expressions and answer with one of
// their numbers: 2(3) gives 2, 2 3+ gives 5, sin(1,2) drops an argument.
// An operand (number, "(", function, unary minus) must stand where one is
// expected and an operator, ")" or "," after an operand; a function name is
// followed by its "("; "," separates the arguments of a function call and a
// call takes no more arguments than its function. Too few arguments are left
// to the value stack, which reports them when the function runs, after the
// checks that come first for that function (ci tests its periods first).
class TokenOrder {
  public:
    bool Accept(std::uint8_t kind) {
        if (pendingArity_ != 0) {
            if (kind != kOpen) return false;
            open_[depth_++] = {pendingArity_, 0};
            pendingArity_ = 0;
            return true;
        }
        switch (kind) {
            case kNumber:
            case kClose:
            case kComma:
            case kPlus:
            case kMinus:
            case kTimes:
            case kDivide:
            case kPower:
                return AcceptAfterOperand(kind);
            case kOpen:
                if (!expectOperand_) return false;
                open_[depth_++] = {0, 0};
                return true;
            case kNegate:
                return expectOperand_;
            default:  // functions
                if (!expectOperand_) return false;
                pendingArity_ = Arity(kind);
                return true;
        }
    }

    bool Complete() const { return !expectOperand_ && pendingArity_ == 0 && depth_ == 0; }

  private:
    bool AcceptAfterOperand(std::uint8_t kind) {
        if (kind == kNumber) {
            if (!expectOperand_) return false;
            expectOperand_ = false;
            return true;
        }
        if (expectOperand_) return false;
        if (kind == kClose) {
            if (depth_ == 0) return false;
            --depth_;
            return true;
        }
        if (kind == kComma) {
            if (depth_ == 0) return false;
            Parenthesis& call = open_[depth_ - 1];
            if (++call.commas >= call.arity) return false;  // also a plain "(", arity 0
        }
        expectOperand_ = true;
        return true;
    }

    struct Parenthesis {
        std::uint8_t arity;  // 0 for a parenthesis that belongs to no function
        std::uint8_t commas;
    };
    std::array<Parenthesis, kMaxExpressionLength + 1> open_;
    std::size_t depth_ = 0;
    std::uint8_t pendingArity_ = 0;
    bool expectOperand_ = true;
};

double ConvertAngle(double v, AngleMode mode) {
    switch (mode) {
        case AngleMode::Degrees:
            return v * kRadiansPerDegree;
        case AngleMode::Centesimal: {
            const double d = std::floor(v) + (v - std::floor(v)) * 1.6666666666666667 +
                             (100 * v - std::floor(100 * v)) * 0.027777777777777776;
            return d * kRadiansPerDegree;
        }
        default:
            return v;
    }
}

// Greatest common divisor of two positive reals by repeated fmod. A NaN
// remainder (an infinite operand) ends the loop with NaN, which the final test
// rejects, instead of running forever.
double RealGcd(double a, double b) {
    double m = a > b ? a : b;
    double n = a > b ? b : a;
    for (;;) {
        const double r = std::fmod(m, n);
        if (r == 0) return n;
        if (std::isnan(r)) return r;
        m = n;
        n = r;
    }
}

// The value stack of one evaluation and the running of one postfix token.
class ValueStack {
  public:
    EvalStatus Apply(std::uint8_t kind, AngleMode mode) {
        if (size_ == 0) return EvalStatus::InputError;
        switch (kind) {
            case kPlus:
            case kMinus:
            case kTimes:
            case kDivide:
            case kPower:
                return ApplyBinary(kind);
            case kNegate:
                Top() = -Top();
                return EvalStatus::Ok;
            case kLog:
            case kGcd:
            case kLcm:
                return ApplyPair(kind);
            case kCi:
                return ApplyCompoundInterest();
            default:
                return ApplyUnary(kind, mode);
        }
    }

    void Push(double v) { values_[size_++] = v; }
    std::size_t Size() const { return size_; }
    double Bottom() const { return values_[0]; }

  private:
    double& Top() { return values_[size_ - 1]; }

    EvalStatus ApplyBinary(std::uint8_t kind) {
        if (size_ < 2) return EvalStatus::InputError;
        const double b = values_[--size_];
        double& a = Top();
        switch (kind) {
            case kPlus:
                a = a + b;
                break;
            case kMinus:
                a = a - b;
                break;
            case kTimes:
                a = a * b;
                break;
            case kDivide:
                if (b == 0 || std::isnan(b)) return EvalStatus::DivideByZero;
                a = a / b;
                break;
            default:
                a = std::pow(a, b);
                break;
        }
        return EvalStatus::Ok;
    }

    // log(a,b), gcd(a,b), lcm(a,b): the checks come in the order operands,
    // second argument, first argument.
    EvalStatus ApplyPair(std::uint8_t kind) {
        if (size_ < 2) return EvalStatus::InputError;
        const double b = values_[--size_];
        double& a = Top();
        if (!(b > 0) || !(a > 0)) return EvalStatus::Meaningless;
        switch (kind) {
            case kLog:
                a = std::log(b) / std::log(a);
                break;
            case kGcd:
                a = RealGcd(a, b);
                break;
            default:
                a = a * b / RealGcd(a, b);
                break;
        }
        return EvalStatus::Ok;
    }

    // ci(a,b,c) tests the periods before it counts its operands.
    EvalStatus ApplyCompoundInterest() {
        const double c = Top();
        if (!(c > 0) || std::floor(c) != c) return EvalStatus::Meaningless;
        if (size_ < 3) return EvalStatus::InputError;
        size_ -= 2;
        const double b = values_[size_];
        double& a = Top();
        a = a * std::pow(1 + b, c);
        return EvalStatus::Ok;
    }

    EvalStatus ApplyUnary(std::uint8_t kind, AngleMode mode) {
        double& x = Top();
        switch (kind) {
            case kSin:
                x = std::sin(ConvertAngle(x, mode));
                break;
            case kCos:
                x = std::cos(ConvertAngle(x, mode));
                break;
            case kTan:
                x = std::tan(ConvertAngle(x, mode));
                break;
            case kCot: {
                const double angle = ConvertAngle(x, mode);
                if (angle == 0 || std::isnan(angle)) return EvalStatus::Meaningless;
                x = 1 / std::tan(angle);
                break;
            }
            case kLg:
                if (!(x > 0)) return EvalStatus::Meaningless;
                x = std::log(x) / std::log(10.0);
                break;
            case kLn:
                if (!(x > 0)) return EvalStatus::Meaningless;
                x = std::log(x);
                break;
            case kAbs:
                x = std::fabs(x);
                break;
            case kArcsin:
                x = std::asin(x);
                break;
            case kArccos:
                x = std::acos(x);
                break;
            case kArctan:
                x = std::atan(x);
                break;
            case kFloor:
                x = std::floor(x);
                break;
            case kCeil:
                x = std::ceil(x);
                break;
            case kSqrt:
                if (!(x >= 0)) return EvalStatus::Meaningless;
                x = std::sqrt(x);
                break;
            case kArccot:
                if (x > 0) {
                    x = std::atan(1 / x);
                } else if (x < 0) {
                    x = kArccotPi + std::atan(1 / x);
                } else {
                    return EvalStatus::Meaningless;  // zero or NaN
                }
                break;
            default:
                return EvalStatus::InputError;
        }
        return EvalStatus::Ok;
    }

    std::array<double, kMaxExpressionLength + 1> values_;
    std::size_t size_ = 0;
};

// The final test: only normal numbers and zeros are results.
EvalResult Classify(double value) {
    const int kind = std::fpclassify(value);
    if (kind == FP_NORMAL || kind == FP_ZERO) return {value, EvalStatus::Ok};
    return {value, EvalStatus::Meaningless};
}

}  // namespace

EvalResult Evaluate(std::string_view text, AngleMode mode) {
    if (const auto end = text.find('\0'); end != std::string_view::npos) text = text.substr(0, end);
    char typedForms[kMaxExpressionLength + 1];
    text = ReadTypedText(text, typedForms);  // the input rule; the bound counts what it reads
    if (text.size() > kMaxExpressionLength) return {0.0, EvalStatus::InputError};

    // 1. Only the counts of "(" and ")" decide the balance. A ")" that comes
    // before its "(" while the counts balance has nothing to close: an input
    // error, found here so that the conversion below never fails.
    int depth = 0;
    bool closesTooEarly = false;
    for (const char c : text) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth < 0) closesTooEarly = true;
        }
    }
    if (depth != 0) return {0.0, EvalStatus::UnbalancedParentheses};
    if (closesTooEarly) return {0.0, EvalStatus::InputError};

    // 2. Reading into tokens; a run is a contiguous slice of the text, ended
    // by an operator character or a blank. Each token is checked against the
    // token order as it is read, so that nothing is computed from a text that
    // is not an expression.
    std::array<Token, kMaxExpressionLength + 1> tokens;
    std::size_t count = 0;
    TokenOrder order;
    std::size_t runStart = 0;
    std::size_t runLength = 0;
    char previous = '\0';  // the last character read that is not a blank
    // Ends the run (if any) before text[next]; false when it is no token or
    // stands where it may not.
    auto endRun = [&](std::size_t next) {
        if (runLength == 0) return true;
        const std::string_view run = text.substr(runStart, runLength);
        runLength = 0;
        // A function name is followed by an operator character, blanks aside.
        while (next < text.size() && IsBlank(text[next]))
            ++next;
        const bool followedByOperator = next < text.size() && IsOperatorChar(text[next]);
        Token& token = tokens[count++];
        return MakeRunToken(run, followedByOperator, token) && order.Accept(token.kind);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsBlank(c)) {
            if (!endRun(i)) return {0.0, EvalStatus::InputError};
            continue;
        }
        const bool exponentSign = (c == '-' || c == '+') && i >= 2 && text[i - 1] == 'e';
        if (!IsOperatorChar(c) || exponentSign) {
            if (runLength == 0) runStart = i;
            ++runLength;
            previous = c;
            continue;
        }
        if (!endRun(i)) return {0.0, EvalStatus::InputError};
        const bool unary = c == '-' && (previous == '\0' || previous == '(');
        Token& token = tokens[count++];
        token = {unary ? std::uint8_t{kNegate} : OperatorKind(c), 0.0};
        if (!order.Accept(token.kind)) return {0.0, EvalStatus::InputError};
        previous = c;
    }
    if (!endRun(text.size()) || !order.Complete()) return {0.0, EvalStatus::InputError};

    // 3 and 4. Conversion to postfix order, running each postfix token on the
    // value stack as soon as it is emitted. Every reading failure has been
    // found already, so the order of failures is that of the postfix list.
    std::array<std::uint8_t, kMaxExpressionLength + 1> operators;
    std::size_t top = 0;
    ValueStack values;
    for (std::size_t t = 0; t < count; ++t) {
        const Token& token = tokens[t];
        EvalStatus status = EvalStatus::Ok;
        switch (token.kind) {
            case kNumber:
                values.Push(token.value);
                break;
            case kOpen:
                operators[top++] = kOpen;
                break;
            case kComma:
                while (status == EvalStatus::Ok && top != 0 && operators[top - 1] != kOpen) {
                    status = values.Apply(operators[--top], mode);
                }
                break;
            case kClose:
                while (status == EvalStatus::Ok && operators[top - 1] != kOpen) {
                    status = values.Apply(operators[--top], mode);
                }
                if (status != EvalStatus::Ok) break;
                --top;
                if (top != 0 && IsFunction(operators[top - 1])) {
                    status = values.Apply(operators[--top], mode);
                }
                break;
            default: {
                const int priority = Priority(token.kind);
                while (status == EvalStatus::Ok && top != 0 && operators[top - 1] != kOpen &&
                       Priority(operators[top - 1]) >= priority) {
                    status = values.Apply(operators[--top], mode);
                }
                operators[top++] = token.kind;
                break;
            }
        }
        if (status != EvalStatus::Ok) return {0.0, status};
    }
    while (top != 0) {
        const EvalStatus status = values.Apply(operators[--top], mode);
        if (status != EvalStatus::Ok) return {0.0, status};
    }

    // The token order leaves exactly one value; any other count (no value, or
    // values beside the result) is a text that was not read as a whole.
    if (values.Size() != 1) return {0.0, EvalStatus::InputError};
    return Classify(values.Bottom());
}

std::string_view StatusText(EvalStatus status) {
    switch (status) {
        case EvalStatus::InputError:
            return msg::kExpressionInputError;
        case EvalStatus::DivideByZero:
            return msg::kDivideByZero;
        case EvalStatus::Meaningless:
            return msg::kMeaningless;
        case EvalStatus::UnbalancedParentheses:
            return msg::kUnbalancedParentheses;
        case EvalStatus::IntegralMeaningless:
            return msg::kIntegralMeaningless;
        case EvalStatus::DerivativeMeaningless:
            return msg::kDerivativeMeaningless;
        default:
            return {};
    }
}

std::string FormatResult(const EvalResult& result) {
    const std::string_view text = StatusText(result.status);
    if (!text.empty()) return std::string(text);
    return FormatDouble(result.value);
}

Outcome OutcomeOf(const EvalResult& result) {
    return result.ok() ? Outcome::Value(FormatResult(result))
                       : Outcome::Failure(FormatResult(result));
}

}  // namespace zentova
