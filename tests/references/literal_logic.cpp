#include "references/literal_logic.h"

#include <array>

namespace zentova::literal {
namespace {

struct LogicEvaluator {
    std::array<int, 1000> operands{};
    int operandCount = 0;
    std::array<char, 1000> operators{};
    int operatorCount = 0;
    bool missing = false;

    int PopOperand() {
        if (operandCount == 0) {
            missing = true;
            return 0;
        }
        return operands[static_cast<std::size_t>(--operandCount)];
    }
    void PushOperand(int v) { operands[static_cast<std::size_t>(operandCount++)] = v; }
    char TopOperator() const { return operators[static_cast<std::size_t>(operatorCount - 1)]; }
    void PushOperator(char c) { operators[static_cast<std::size_t>(operatorCount++)] = c; }

    static char Precedence(char top, char ch) {
        if (ch == '(') return '<';
        if (top == '(') return ch == ')' ? '=' : '<';
        if (top == ch) return '<';
        if (ch == '~') return '<';
        if (ch == '^' && top == 'v') return '<';
        return '>';
    }

    static int Apply(char o, int left, int right) {
        switch (o) {
            case '~':
                return left != 1 ? 1 : 0;
            case '^':
                return (left && right) ? 1 : 0;
            case 'v':
                return (left || right) ? 1 : 0;
            case '>':
                if (left != 1) return 1;
                return right != 0 ? 1 : 0;
            case '-':
                return left == right ? 1 : 0;
            case '#':
                return left != right ? 1 : 0;
            default:
                return 0;
        }
    }

    void Reduce() {
        const char o = operators[static_cast<std::size_t>(--operatorCount)];
        const int right = o == '~' ? 0 : PopOperand();
        const int left = PopOperand();
        PushOperand(Apply(o, left, right));
    }
};

ToolAnswer NormalForm(std::string_view formula, bool conjunctive) {
    ToolAnswer answer;
    VariableList variables;
    if (!ValidateFormula(formula, variables) || formula.size() > kMaxFormulaLength) {
        answer.refused = true;
        return answer;
    }
    const int count = variables.count();
    for (unsigned long long a = 0; a < (1ull << count); ++a) {
        const std::vector<int> values = Assignment(a, count);
        const Evaluation e = EvaluateUnder(formula, variables, values);
        if (e.missingOperand) {
            answer.refused = true;
            answer.text.clear();
            return answer;
        }
        if (e.value != (conjunctive ? 0 : 1)) continue;
        if (!answer.text.empty()) answer.text += conjunctive ? "^" : "v";
        answer.text += "(";
        for (int i = 0; i < count; ++i) {
            if (i > 0) answer.text += conjunctive ? "v" : "^";
            const int v = values[static_cast<std::size_t>(i)];
            if (conjunctive ? v == 1 : v == 0) answer.text += "~";
            answer.text += variables.letter(i);
        }
        answer.text += ")";
    }
    return answer;
}

// Runs the search; `counterexample` decides on the two values.
template <typename Counterexample>
ToolAnswer Compare(std::string_view formula1, std::string_view formula2,
                   Counterexample counterexample, const char* holds, const char* fails) {
    ToolAnswer answer;
    VariableList variables;
    if (!ValidateFormulaPair(formula1, formula2, variables) ||
        formula1.size() > kMaxFormulaLength || formula2.size() > kMaxFormulaLength) {
        answer.refused = true;
        return answer;
    }
    const int count = variables.count();
    // An operator without its operand is refused before any evaluation.
    const std::vector<int> zeros(static_cast<std::size_t>(count), 0);
    if (EvaluateUnder(formula1, variables, zeros).missingOperand ||
        EvaluateUnder(formula2, variables, zeros).missingOperand) {
        answer.refused = true;
        return answer;
    }
    answer.text = holds;
    for (unsigned long long a = 0; a < (1ull << count); ++a) {
        const std::vector<int> values = Assignment(a, count);
        const int v1 = EvaluateUnder(formula1, variables, values).value;
        const int v2 = EvaluateUnder(formula2, variables, values).value;
        if (counterexample(v1, v2)) {
            answer.text = fails;
            break;
        }
    }
    return answer;
}

}  // namespace

void SubstituteValues(std::string& working, const VariableList& variables,
                      const std::vector<int>& assignment) {
    for (int i = 0; i < variables.count(); ++i) {
        for (char& c : working) {
            if (c == variables.letter(i)) c = assignment[static_cast<std::size_t>(i)] ? '1' : '0';
        }
    }
}

Evaluation EvaluateFormula(std::string_view substituted) {
    LogicEvaluator ev;
    std::size_t i = 0;
    while (i < substituted.size()) {
        const char ch = substituted[i];
        if (ch >= '0' && ch <= '9') {
            ev.PushOperand(ch - '0');
            ++i;
            continue;
        }
        if (ev.operatorCount == 0) {
            ev.PushOperator(ch);
            ++i;
            continue;
        }
        const char relation = LogicEvaluator::Precedence(ev.TopOperator(), ch);
        if (relation == '<') {
            ev.PushOperator(ch);
            ++i;
        } else if (relation == '=') {
            --ev.operatorCount;
            ++i;
        } else {
            ev.Reduce();  // and look at the same character again
        }
    }
    while (ev.operatorCount > 0)
        ev.Reduce();
    Evaluation result;
    result.value = ev.PopOperand();
    result.missingOperand = ev.missing;
    return result;
}

std::vector<int> Assignment(unsigned long long index, int count) {
    std::vector<int> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        values[static_cast<std::size_t>(i)] = static_cast<int>((index >> (count - 1 - i)) & 1);
    }
    return values;
}

Evaluation EvaluateUnder(std::string_view formula, const VariableList& variables,
                         const std::vector<int>& assignment) {
    std::string working(formula);
    SubstituteValues(working, variables, assignment);
    return EvaluateFormula(working);
}

ToolAnswer TruthTable(std::string_view formula) {
    ToolAnswer answer;
    VariableList variables;
    if (!ValidateFormula(formula, variables) || formula.size() > kMaxFormulaLength) {
        answer.refused = true;
        return answer;
    }
    const int count = variables.count();
    std::string header;
    for (const char letter : variables.letters()) {
        header += letter;
        header += "  ";
    }
    answer.lines.push_back(header + "公式");
    for (unsigned long long a = 0; a < (1ull << count); ++a) {
        const std::vector<int> values = Assignment(a, count);
        const Evaluation e = EvaluateUnder(formula, variables, values);
        if (e.missingOperand) {
            answer.refused = true;
            answer.lines.clear();
            return answer;
        }
        std::string line;
        for (const int v : values)
            line += std::to_string(v) + "  ";
        line += "  " + std::to_string(e.value);
        answer.lines.push_back(line);
    }
    return answer;
}

ToolAnswer ConjunctiveForm(std::string_view formula) {
    return NormalForm(formula, true);
}
ToolAnswer DisjunctiveForm(std::string_view formula) {
    return NormalForm(formula, false);
}

ToolAnswer Equivalence(std::string_view formula1, std::string_view formula2) {
    return Compare(
        formula1, formula2, [](int a, int b) { return a != b; }, "两公式等价。", "两公式不等价。");
}

ToolAnswer Implication(std::string_view formula1, std::string_view formula2) {
    return Compare(
        formula1, formula2, [](int a, int b) { return a == 1 && b == 0; }, "公式一蕴含公式二。",
        "公式一不蕴含公式二。");
}

bool EquivalentOver(std::string_view formula1, std::string_view formula2,
                    const VariableList& variables, unsigned long long first,
                    unsigned long long last) {
    // Working copies and the assignment are reused, as the page reuses its
    // fixed buffers; only the evaluator is fresh for every evaluation.
    const int count = variables.count();
    std::vector<int> values(static_cast<std::size_t>(count));
    std::string working1(formula1);
    std::string working2(formula2);
    for (unsigned long long a = first; a < last; ++a) {
        for (int i = 0; i < count; ++i) {
            values[static_cast<std::size_t>(i)] = static_cast<int>((a >> (count - 1 - i)) & 1);
        }
        working1.assign(formula1);
        working2.assign(formula2);
        SubstituteValues(working1, variables, values);
        SubstituteValues(working2, variables, values);
        if (EvaluateFormula(working1).value != EvaluateFormula(working2).value) return false;
    }
    return true;
}

}  // namespace zentova::literal
