// stats, constants and exprfile: the statistics and constants pages and the
// expression file of the custom expression page.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "cli_support.h"
#include "exprtools/constants.h"
#include "exprtools/expression_file.h"
#include "exprtools/statistics.h"

namespace zentova::cli {
namespace {

void AddStats(CLI::App& app, Context& context) {
    auto kind = std::make_shared<std::string>();
    CLI::App* sub = app.add_subcommand("stats", "统计计算：数据从标准输入读入");
    sub->add_option("KIND", *kind,
                    "0-9 或 max, min, sum, product, mean, geomean, rms, sstdev, rsd, pstdev")
        ->required();
    sub->callback([kind, &context] {
        const auto parsed = ParseStatisticKind(*kind);
        if (!parsed) throw UsageError("统计类型必须是 0-9 或其名称之一: " + *kind);
        Emit(context, ComputeStatisticText(*parsed, ReadAll(context.in)));
    });
}

void AddConstants(CLI::App& app, Context& context) {
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
            throw UsageError("序号必须在 0 到 " + std::to_string(constants.size() - 1) + " 之间");
        }
        PrintText(context, ConstantClipboardText(constants[static_cast<std::size_t>(i)]));
    });
}

// NAME<TAB>EXPRESSION lines; empty lines are skipped. Empty when every line has
// its tab, else the message.
std::string ParseItemLines(const std::string& input, std::vector<ExpressionItem>& items) {
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        std::string line = input.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            return "第 " + std::to_string(lineNumber) + " 行不是“名称<TAB>表达式”";
        }
        items.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return {};
}

void AddExpressionFile(CLI::App& app, Context& context) {
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
        for (const ExpressionItem& item : content.items) {
            context.out << item.name << '\t' << item.expression << '\n';
        }
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
        for (const ExpressionItem& item : items) {
            if (const std::string_view problem = ExpressionItemProblem(item); !problem.empty()) {
                Refuse(context, problem);
                return;
            }
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
