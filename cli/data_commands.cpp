// stats, constants and exprfile: the statistics and constants pages and the
// expression file of the custom expression page.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "cli_messages.h"
#include "cli_support.h"
#include "exprtools/constants.h"
#include "exprtools/expression_file.h"
#include "exprtools/expression_messages.h"
#include "exprtools/statistics.h"

namespace zentova::cli {
namespace {

void AddStats(CLI::App& app, Context& context) {
    if (!context.Builds("stats")) return;
    auto kind = std::make_shared<std::string>();
    CLI::App* sub = app.add_subcommand("stats", "统计计算：数据从标准输入读入");
    sub->add_option("KIND", *kind,
                    "0-9 或 max, min, sum, product, mean, geomean, rms, sstdev, rsd, pstdev")
        ->required();
    sub->callback([kind, &context] {
        const auto parsed = ParseStatisticKind(*kind);
        if (!parsed) throw UsageError(msg::UnknownStatisticKind(Quoted(*kind)));
        Emit(context, ComputeStatisticText(*parsed, ReadAll(context.in)));
    });
}

void AddConstants(CLI::App& app, Context& context) {
    if (!context.Builds("constants")) return;
    auto index = std::make_shared<std::string>();
    CLI::App* sub = app.add_subcommand("constants", "常数表；给出序号时打印复制到剪贴板的文本");
    sub->add_option("INDEX", *index, "常数的序号（0 到 32）");
    sub->callback([index, &context] {
        const auto constants = Constants();
        if (index->empty()) {
            for (std::size_t i = 0; i < constants.size(); ++i) {
                const ConstantEntry& entry = constants[i];
                context.out << i << '\t' << entry.name << '\t' << entry.valueText << '\t'
                            << entry.unit << '\n';
            }
            return;
        }
        const int i = ParseInt(*index, "序号");
        if (i < 0 || static_cast<std::size_t>(i) >= constants.size()) {
            throw UsageError(msg::ConstantIndexOutside(constants.size() - 1));
        }
        PrintText(context, ConstantClipboardText(constants[static_cast<std::size_t>(i)]));
    });
}

// NAME<TAB>EXPRESSION lines; empty lines are skipped. The checks come in the
// order of saving a list: every line has its tab, every item its expression
// and name, and there are no more items than a file holds. Only the items a
// file can hold are kept, so that millions of lines never become millions of
// strings. Empty when all pass, else the message.
std::string ParseItemLines(std::string_view input, std::vector<ExpressionItem>& items) {
    std::size_t lineNumber = 0;
    std::size_t untabbed = 0;
    ForEachLine(input, [&](std::string_view line) {
        ++lineNumber;
        if (untabbed == 0 && !line.empty() && line.find('\t') == std::string_view::npos) {
            untabbed = lineNumber;
        }
    });
    if (untabbed != 0) return msg::LineWithoutTab(untabbed);
    std::string_view problem;
    std::size_t count = 0;
    ForEachLine(input, [&](std::string_view line) {
        if (line.empty() || !problem.empty()) return;
        const std::size_t tab = line.find('\t');
        ExpressionItem item{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
        problem = ExpressionItemProblem(item);
        if (problem.empty() && ++count <= kMaxExpressionFileItems) items.push_back(std::move(item));
    });
    if (!problem.empty()) return std::string(problem);
    if (count > kMaxExpressionFileItems) return std::string(msg::kTooManyExpressions);
    return {};
}

void AddExpressionFile(CLI::App& app, Context& context) {
    if (!context.Builds("exprfile")) return;
    CLI::App* exprfile = app.add_subcommand("exprfile", "表达式文件：列出或写入");
    exprfile->require_subcommand(1);

    auto listPath = std::make_shared<std::string>();
    CLI::App* list = exprfile->add_subcommand("list", "列出表达式文件中的表达式");
    list->add_option("FILE", *listPath, "表达式文件")->required();
    list->callback([listPath, &context] {
        const ExpressionFileContent content = ReadExpressionFile(*listPath);
        if (!content.problem.empty()) {
            Refuse(context, content.problem);
            return;
        }
        context.out << ExpressionLines(content.items);
    });

    auto writePath = std::make_shared<std::string>();
    CLI::App* write =
        exprfile->add_subcommand("write", "从标准输入的“名称<TAB>表达式”行写表达式文件");
    write->add_option("FILE", *writePath, "表达式文件")->required();
    write->callback([writePath, &context] {
        std::vector<ExpressionItem> items;
        if (const std::string problem = ParseItemLines(ReadAll(context.in), items);
            !problem.empty()) {
            Refuse(context, problem);
            return;
        }
        if (const std::string problem = WriteExpressionFile(*writePath, items); !problem.empty()) {
            Refuse(context, problem);
        }
    });
}

}  // namespace

void AddDataCommands(CLI::App& app, Context& context) {
    AddStats(app, context);
    AddConstants(app, context);
    AddExpressionFile(app, context);
}

}  // namespace zentova::cli
