#include "cli_app.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
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
    "统计数据、参数表和数值选项中，全角字符 ！ 到 ～（U+FF01–U+FF5E）按对应的半角字符读，\n"
    "全角空格按空格，“。”按“.”，× 按 *，÷ 按 /，−（U+2212）、– 和 — 按 - 读；\n"
    "表达式中的“，”与“,”一样分隔函数的参数。矩阵、邻接矩阵、统计数据和参数表\n"
    "中的数以空格、制表符、逗号或全角逗号分隔（参数表以外换行也分隔）；每个数\n"
    "必须整个是十进制数（如 -2、.5、3e2），否则拒绝（退出状态 2）并指出是第几个\n"
    "数；矩阵所需之后的数和参数表第 50 个之后的数不读。\n";

using AddCommands = void (*)(CLI::App&, Context&);
constexpr AddCommands kCommandGroups[] = {AddExpressionCommands, AddLinalgCommands,
                                          AddPolynomialCommands, AddGraphCommands,
                                          AddLogicCommands,      AddDataCommands};

struct CommandGroup {
    AddCommands add;
    std::string name;  // the command's own name, when it was called by an alias
};

// The group that registers each command name, learnt once from the groups
// themselves so that no list of names can fall out of step with them.
const CommandGroup* GroupOf(const std::string& name) {
    static const std::map<std::string, CommandGroup> groups = [] {
        std::map<std::string, CommandGroup> found;
        std::istringstream in;
        std::ostringstream out;
        Context scratch{out, out, in};
        for (const AddCommands add : kCommandGroups) {
            CLI::App app;
            add(app, scratch);
            for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
                found.emplace(sub->get_name(), CommandGroup{add, sub->get_name()});
                for (const std::string& alias : sub->get_aliases())
                    found.emplace(alias, CommandGroup{add, sub->get_name()});
            }
        }
        return found;
    }();
    const auto at = groups.find(name);
    return at == groups.end() ? nullptr : &at->second;
}

void NoCommands(CLI::App&, Context&) {}

int Run(const std::vector<std::string>& arguments, Context& context, AddCommands only) {
    CLI::App app{kDescription, "zentova-cli"};
    app.set_version_flag("--version", std::string("zentova-cli ") + ZENTOVA_VERSION);
    app.require_subcommand(1);
    if (only != nullptr) {
        only(app, context);
    } else {
        for (const AddCommands add : kCommandGroups)
            add(app, context);
    }

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

}  // namespace

// Whether the program's own help would answer `word` ("--help", "-h", or a
// word the parser could read as either).
bool AsksForHelp(const std::string& word) {
    return word.rfind("--h", 0) == 0 || word.rfind("-h", 0) == 0;
}

int RunCommandLine(const std::vector<std::string>& arguments, Context& context) {
    // Building the parser of every command costs far more than most commands
    // do. The command is found as NormalizeArguments finds it: the program's
    // options come first, then a word that is no option either names a
    // command or is a positional, after which no command is looked for. A
    // command is parsed as among all of them: it sees only the program's own
    // options and its own subcommands, and no word reaches a sibling. Without
    // a command, any parser refuses the words alike, unless the program's
    // help is asked for: that lists every command.
    const CommandGroup* group = nullptr;
    bool help = false;
    std::size_t at = 0;
    for (; at < arguments.size() && arguments[at] != "--"; ++at) {
        const std::string& word = arguments[at];
        if (word.rfind("--", 0) == 0 || word.rfind("-h", 0) == 0) {
            help = help || AsksForHelp(word);
            continue;
        }
        if (!word.empty() && word.front() != '-') group = GroupOf(word);
        break;
    }
    // Options after a positional still go to the program.
    for (; group == nullptr && at < arguments.size() && arguments[at] != "--"; ++at)
        help = help || AsksForHelp(arguments[at]);
    if (help) return Run(arguments, context, nullptr);
    if (group == nullptr) return Run(arguments, context, NoCommands);
    const std::string_view before = std::exchange(context.onlyCommand, group->name);
    const int status = Run(arguments, context, group->add);
    context.onlyCommand = before;
    return status;
}

int RunCommandLineWithEveryCommand(const std::vector<std::string>& arguments, Context& context) {
    const std::string_view before = std::exchange(context.onlyCommand, {});
    const int status = Run(arguments, context, nullptr);
    context.onlyCommand = before;
    return status;
}

}  // namespace zentova::cli
