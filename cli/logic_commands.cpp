// logic table, cnf, dnf, equiv and implies. Tables and normal forms are
// printed as they are produced, so 2^26 lines never sit in memory.
#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <string>

#include "cli_support.h"
#include "logic/logic_tools.h"
#include "logic/truth_table_text.h"

namespace zentova::cli {
namespace {

void AddTable(CLI::App& logic, Context& context) {
    auto formula = std::make_shared<std::string>();
    CLI::App* sub = logic.add_subcommand("table", "公式一的真值表");
    sub->add_option("F", *formula, "公式")->required();
    sub->callback([formula, &context] {
        std::optional<TruthTableStream> table = MakeTruthTable(TextArgument(*formula));
        if (!table) {
            Refuse(context, msg::kFormulaInputError);
            return;
        }
        // The same text as the logic page saves, piece by piece.
        StreamTruthTableText(*table, [&context](std::string_view piece) {
            context.out << piece;
            return true;
        });
    });
}

void AddNormalForm(CLI::App& logic, Context& context, const char* name, const char* help,
                   NormalForm form) {
    auto formula = std::make_shared<std::string>();
    CLI::App* sub = logic.add_subcommand(name, help);
    sub->add_option("F", *formula, "公式")->required();
    sub->callback([formula, &context, form] {
        std::optional<NormalFormStream> stream = MakeNormalForm(TextArgument(*formula), form);
        if (!stream) {
            Refuse(context, msg::kFormulaInputError);
            return;
        }
        std::string piece;
        while (stream->Next(piece))
            context.out << piece;
        context.out << '\n';
    });
}

void AddComparison(CLI::App& logic, Context& context, const char* name, const char* help,
                   Outcome (*check)(std::string_view, std::string_view, TaskControl*)) {
    auto formulas = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* sub = logic.add_subcommand(name, help);
    sub->add_option("F1", formulas->first, "公式一")->required();
    sub->add_option("F2", formulas->second, "公式二")->required();
    sub->callback([formulas, &context, check] {
        Emit(context,
             check(TextArgument(formulas->first), TextArgument(formulas->second), nullptr));
    });
}

}  // namespace

void AddLogicCommands(CLI::App& app, Context& context) {
    CLI::App* logic = app.add_subcommand("logic", "命题逻辑：真值表、等价、蕴含、主范式");
    logic->require_subcommand(1);
    AddTable(*logic, context);
    AddNormalForm(*logic, context, "cnf", "公式一的主合取范式", NormalForm::Conjunctive);
    AddNormalForm(*logic, context, "dnf", "公式一的主析取范式", NormalForm::Disjunctive);
    AddComparison(*logic, context, "equiv", "验证公式一是否与公式二等价", CheckEquivalence);
    AddComparison(*logic, context, "implies", "验证公式一是否蕴含公式二", CheckImplication);
}

}  // namespace zentova::cli
