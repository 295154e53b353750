// eval, integrate, derive, sum, product and params.
#include <CLI/CLI.hpp>

#include <istream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli_support.h"
#include "exprtools/expression_tools.h"

namespace zentova::cli {
namespace {

void AddEval(CLI::App& app, Context& context) {
    if (!context.Builds("eval")) return;
    struct Options {
        std::string angle = "rad";
        bool raw = false;
        std::vector<std::string> expressions;
    };
    auto options = std::make_shared<Options>();
    CLI::App* sub = app.add_subcommand("eval", "计算器的“=”：计算表达式并打印结果框中的文本");
    sub->add_option("--angle", options->angle,
                    "角度模式: rad（弧度制）, deg（角度制）, cent（百分度）")
        ->check(CLI::IsMember({"rad", "deg", "cent"}));
    sub->add_flag("--raw", options->raw, "不把表达式转为小写");
    sub->add_option("EXPR", options->expressions, "表达式；省略时标准输入的每一行是一个表达式");
    sub->callback([options, &context] {
        static const std::map<std::string, AngleMode> modes = {{"rad", AngleMode::Radians},
                                                               {"deg", AngleMode::Degrees},
                                                               {"cent", AngleMode::Centesimal}};
        const AngleMode mode = modes.at(options->angle);
        // Every text is checked before any is evaluated, so that a refusal
        // prints nothing. Standard input is walked twice in place rather than
        // copied line by line: millions of short lines stay one text.
        const bool fromInput = options->expressions.empty();
        const std::string input = fromInput ? ReadAll(context.in) : std::string();
        auto forEachText = [&](auto&& visit) {
            if (fromInput) {
                ForEachLine(input, visit);
                return;
            }
            for (const std::string& text : options->expressions)
                visit(std::string_view(text));
        };
        for (const std::string& text : options->expressions)
            TextArgument(text);
        bool fits = true;
        forEachText([&](std::string_view text) { fits = fits && FitsExpressionBox(text); });
        if (!fits) {
            Refuse(context, msg::kExpressionTooLong);
            return;
        }
        std::string text;
        forEachText([&](std::string_view line) {
            if (line.empty()) {
                PrintText(context, "");
                return;
            }
            text.assign(line);
            const EvalResult result =
                options->raw ? Evaluate(text, mode) : CalculatorEvaluate(text, mode);
            Emit(context, OutcomeOf(result));
        });
    });
}

// Options shared by the calculus and series subcommands: numbers kept as
// text and converted strictly when the command runs.
struct NumberOption {
    const char* name;
    const char* help;
    std::string text;
};

CLI::App* AddFunctionCommand(CLI::App& app, const char* name, const char* help,
                             std::vector<NumberOption>& numbers, std::string& function) {
    CLI::App* sub = app.add_subcommand(name, help);
    for (NumberOption& number : numbers) {
        sub->add_option(number.name, number.text, number.help)->capture_default_str();
    }
    sub->add_option("FUNCTION", function, "x 的函数")->required();
    return sub;
}

struct FunctionCommand {
    std::vector<NumberOption> numbers;
    std::string function;
    double Number(std::size_t i) const { return ParseDouble(numbers[i].text, numbers[i].name); }
    int Integer(std::size_t i) const { return ParseInt(numbers[i].text, numbers[i].name); }
};

void AddIntegrate(CLI::App& app, Context& context) {
    if (!context.Builds("integrate")) return;
    auto command = std::make_shared<FunctionCommand>();
    command->numbers = {{"--lower", "下限", "0"},
                        {"--upper", "上限", "0"},
                        {"--precision", "精度", "0.0001"},
                        {"--depth", "深度", "10"}};
    AddFunctionCommand(app, "integrate", "定积分（龙贝格法）", command->numbers, command->function)
        ->callback([command, &context] {
            const double lower = command->Number(0);
            const double upper = command->Number(1);
            const double precision = command->Number(2);
            const int depth = command->Integer(3);
            Emit(context, ComputeIntegral(SharedFunction(), TextArgument(command->function), lower,
                                          upper, precision, depth));
        });
}

void AddDerive(CLI::App& app, Context& context) {
    if (!context.Builds("derive")) return;
    auto command = std::make_shared<FunctionCommand>();
    command->numbers = {{"--point", "求导点", "0"},
                        {"--step", "初始步长", "0.01"},
                        {"--precision", "精度", "0.0001"},
                        {"--depth", "深度", "10"}};
    AddFunctionCommand(app, "derive", "导数（中心差分）", command->numbers, command->function)
        ->callback([command, &context] {
            const double point = command->Number(0);
            const double step = command->Number(1);
            const double precision = command->Number(2);
            const int depth = command->Integer(3);
            Emit(context, ComputeDerivative(SharedFunction(), TextArgument(command->function),
                                            point, step, precision, depth));
        });
}

void AddSeries(CLI::App& app, Context& context, const char* name, const char* help, char op) {
    if (!context.Builds(name)) return;
    auto command = std::make_shared<FunctionCommand>();
    command->numbers = {
        {"--start", "起始值", "0"}, {"--end", "终止值", "0"}, {"--step", "步长", "1"}};
    AddFunctionCommand(app, name, help, command->numbers, command->function)
        ->callback([command, &context, op] {
            const double start = command->Number(0);
            const double end = command->Number(1);
            const double step = command->Number(2);
            Emit(context, ComputeSeries(SharedFunction(), TextArgument(command->function), start,
                                        end, step, op));
        });
}

void AddParams(CLI::App& app, Context& context) {
    if (!context.Builds("params")) return;
    auto texts = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* sub = app.add_subcommand("params", "自定义表达式的“计算”：按字母顺序代入参数");
    sub->add_option("EXPR", texts->first, "表达式，参数是单个字母")->required();
    sub->add_option("VALUES", texts->second, "参数值，用逗号、全角逗号或空格分隔")->required();
    sub->callback([texts, &context] {
        TextArgument(texts->first);
        TextArgument(texts->second);
        if (texts->first.empty()) {
            Refuse(context, msg::kEnterExpression);
            return;
        }
        Emit(context, ComputeWithParameters(SharedFunction(), texts->first, texts->second));
    });
}

}  // namespace

void AddExpressionCommands(CLI::App& app, Context& context) {
    AddEval(app, context);
    AddIntegrate(app, context);
    AddDerive(app, context);
    AddSeries(app, context, "sum", "数列求和 Σf(x)", '+');
    AddSeries(app, context, "product", "数列求积 Πf(x)", '*');
    AddParams(app, context);
}

}  // namespace zentova::cli
