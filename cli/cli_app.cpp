#include "cli_app.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_support.h"

namespace zentova::cli {
namespace {

bool TakesValue(const CLI::Option* option) {
    return option != nullptr && option->get_expected_min() > 0 && !option->get_positional();
}

CLI::App* FindSubcommand(CLI::App* app, const std::string& name) {
    for (CLI::App* sub : app->get_subcommands([](CLI::App*) { return true; })) {
        if (sub->check_name(name)) return sub;
    }
    return nullptr;
}

// The parser would take "-1" after "--lower" for an option of its own, and it
// will not read a positional such as "-2^2". Options that take a value are
// joined with it ("--lower=-1"), and every positional goes after a "--", so
// that any text can be an expression.
std::vector<std::string> NormalizeArguments(CLI::App& app, const std::vector<std::string>& argv) {
    std::vector<std::string> options;
    std::vector<std::string> positionals;
    CLI::App* current = &app;
    bool onlyPositionals = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        if (onlyPositionals) {
            positionals.push_back(arg);
        } else if (arg == "--") {
            onlyPositionals = true;
        } else if (arg.rfind("--", 0) == 0 && arg.find('=') == std::string::npos &&
                   i + 1 < argv.size() && TakesValue(current->get_option_no_throw(arg))) {
            options.push_back(arg + "=" + argv[++i]);
        } else if (arg.rfind("--", 0) == 0 ||
                   (arg.size() > 1 && arg[0] == '-' &&
                    current->get_option_no_throw(arg.substr(0, 2)) != nullptr)) {
            // Long options, and short ones this command knows ("-h"); any
            // other text that starts with "-" is a formula such as "-a*b".
            options.push_back(arg);
        } else if (CLI::App* sub = positionals.empty() ? FindSubcommand(current, arg) : nullptr) {
            current = sub;
            options.push_back(arg);
        } else {
            positionals.push_back(arg);
        }
    }
    if (!positionals.empty()) {
        options.emplace_back("--");
        options.insert(options.end(), positionals.begin(), positionals.end());
    }
    return options;
}

// The input rule stands before the usage: the completion script reads every
// line after "Subcommands:" as a subcommand.
constexpr const char* kDescription =
    "Zentova 计算器的命令行：不开窗口运行每一个工具。\n"
    "\n"
    "输入规则（与窗口中各页相同）：表达式、多项式、逻辑公式、矩阵、邻接矩阵、\n"
    "统计数据和参数表中，全角字符 ！ 到 ～（U+FF01–U+FF5E）按对应的半角字符读，\n"
    "全角空格按空格，“。”按“.”，× 按 *，÷ 按 /，−（U+2212）、– 和 — 按 - 读；\n"
    "表达式中的“，”与“,”一样分隔函数的参数。矩阵、邻接矩阵、统计数据和参数表\n"
    "中的数以空格、制表符、逗号或全角逗号分隔（参数表以外换行也分隔）；每个数\n"
    "必须整个是十进制数（如 -2、.5、3e2），否则拒绝（退出状态 2）并指出是第几个\n"
    "数；矩阵所需之后的数和参数表第 50 个之后的数不读。\n";

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments, Context& context) {
    CLI::App app{kDescription, "zentova-cli"};
    app.set_version_flag("--version", std::string("zentova-cli ") + ZENTOVA_VERSION);
    app.require_subcommand(1);
    AddExpressionCommands(app, context);
    AddLinalgCommands(app, context);
    AddPolynomialCommands(app, context);
    AddGraphCommands(app, context);
    AddLogicCommands(app, context);
    AddDataCommands(app, context);

    std::vector<std::string> args = NormalizeArguments(app, arguments);
    std::reverse(args.begin(), args.end());  // the parser takes them back to front
    try {
        app.parse(args);
    } catch (const CLI::ParseError& error) {
        // The parser quotes the arguments it did not take, whatever their
        // bytes; its messages are shown as text.
        std::ostringstream message;
        const int code = app.exit(error, context.out, message);
        context.out.flush();
        context.err << Shown(message.str());
        return code == 0 ? kExitOk : kExitRefused;
    } catch (const UsageError& error) {
        context.out.flush();
        context.err << error.what() << '\n';
        return kExitRefused;
    }
    context.out.flush();
    return context.exitCode;
}

}  // namespace zentova::cli
