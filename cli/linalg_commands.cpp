// solve, det and matrix: the linear system, determinant and workbench pages.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "cli_messages.h"
#include "cli_support.h"
#include "linalg/determinant.h"
#include "linalg/linear_system.h"
#include "linalg/matrix_operations.h"
#include "linalg/matrix_text.h"

namespace zentova::cli {
namespace {

// "2x3" as rows and cols; the sizes themselves are checked by the workbench's
// rules, so "0x2" parses here and is refused there.
std::pair<int, int> ParseShape(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) throw UsageError(msg::ShapeNotRowsByColumns(Quoted(text)));
    return {ParseInt(text.substr(0, x), "行数"), ParseInt(text.substr(x + 1), "列数")};
}

void AddSolve(CLI::App& app, Context& context) {
    if (!context.Builds("solve")) return;
    auto count = std::make_shared<std::string>();
    CLI::App* sub = app.add_subcommand("solve", "解线性方程组：增广矩阵从标准输入读入");
    sub->add_option("N", *count, "元数（1 到 100）")->required();
    sub->callback([count, &context] {
        const int n = ParseInt(*count, "元数");
        Emit(context, SolveLinearSystemText(n, ReadAll(context.in)).outcome);
    });
}

void AddDeterminant(CLI::App& app, Context& context) {
    if (!context.Builds("det")) return;
    auto order = std::make_shared<std::string>();
    CLI::App* sub = app.add_subcommand("det", "行列式求值：行列式从标准输入读入");
    sub->add_option("N", *order, "阶数（1 到 100）")->required();
    sub->callback([order, &context] {
        const int n = ParseInt(*order, "阶数");
        Emit(context, EvaluateDeterminantText(n, ReadAll(context.in)));
    });
}

struct OperandTexts {
    std::string shape;
    std::string text;
};

MatrixOperand ToOperand(const OperandTexts& texts) {
    const auto [rows, cols] = ParseShape(texts.shape);
    return {rows, cols, TrimMatrixText(TextArgument(texts.text))};
}

void AddOperation(CLI::App& matrix, Context& context, const char* name, const char* help,
                  MatrixOpKind kind, bool binary) {
    auto operands = std::make_shared<std::array<OperandTexts, 2>>();
    auto exact = std::make_shared<bool>(false);
    CLI::App* sub = matrix.add_subcommand(name, help);
    sub->add_flag("--exact", *exact,
                  "结果的每个数写成能读回同一双精度值的最短形式（工作台添加结果时存储的文本）");
    sub->add_option("SHAPE1", (*operands)[0].shape, "第一个矩阵的尺寸，如 2x3")->required();
    sub->add_option("TEXT1", (*operands)[0].text, "第一个矩阵")->required();
    if (binary) {
        sub->add_option("SHAPE2", (*operands)[1].shape, "第二个矩阵的尺寸")->required();
        sub->add_option("TEXT2", (*operands)[1].text, "第二个矩阵")->required();
    }
    sub->callback([operands, exact, &context, kind, binary] {
        const MatrixOperand a = ToOperand((*operands)[0]);
        const MatrixOperand b = binary ? ToOperand((*operands)[1]) : MatrixOperand{};
        MatrixOpAnswer answer = RunMatrixOperation(kind, a, b);
        if (*exact && answer.outcome.kind == Outcome::Kind::Value) {
            answer.outcome.text = answer.exactText;
        }
        Emit(context, answer.outcome);
        if (answer.hasRank && answer.outcome.kind == Outcome::Kind::Value) {
            PrintText(context, "rank " + std::to_string(answer.rank));
        }
    });
}

void AddRelayout(CLI::App& matrix, Context& context) {
    auto operand = std::make_shared<OperandTexts>();
    CLI::App* sub = matrix.add_subcommand("relayout", "“自动转换格式”：按行列重排矩阵文本");
    sub->add_option("SHAPE", operand->shape, "尺寸，如 2x3")->required();
    sub->add_option("TEXT", operand->text, "矩阵")->required();
    sub->callback([operand, &context] {
        const MatrixOperand a = ToOperand(*operand);
        const std::string problem = MatrixEntryProblem(a.rows, a.cols, a.text);
        if (!problem.empty()) {
            Refuse(context, problem);
            return;
        }
        PrintText(context, RelayoutMatrixText(a.text, a.rows, a.cols));
    });
}

}  // namespace

void AddLinalgCommands(CLI::App& app, Context& context) {
    AddSolve(app, context);
    AddDeterminant(app, context);
    if (!context.Builds("matrix")) return;
    CLI::App* matrix = app.add_subcommand("matrix", "矩阵运算：和、差、积、逆、梯阵与秩");
    matrix->require_subcommand(1);
    AddOperation(*matrix, context, "add", "两矩阵之和", MatrixOpKind::OpAdd, true);
    AddOperation(*matrix, context, "sub", "两矩阵之差（第一个减第二个）", MatrixOpKind::OpSubtract,
                 true);
    AddOperation(*matrix, context, "mul", "两矩阵之积", MatrixOpKind::OpMultiply, true);
    AddOperation(*matrix, context, "inv", "逆矩阵", MatrixOpKind::OpInverse, false);
    AddOperation(*matrix, context, "echelon", "化为梯阵，并给出矩阵的秩", MatrixOpKind::OpEchelon,
                 false);
    AddRelayout(*matrix, context);
}

}  // namespace zentova::cli
