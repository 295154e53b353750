// poly: the polynomial page's compute.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "cli_support.h"
#include "polynomial/poly_product.h"

namespace zentova::cli {

void AddPolynomialCommands(CLI::App& app, Context& context) {
    struct Options {
        bool grid = false;
        std::string input;
    };
    auto options = std::make_shared<Options>();
    CLI::App* sub = app.add_subcommand(
        "poly", "多项式乘法：打印展开后的乘积和结果项数；多项式之间用*分隔，如 a2-b2*x2y3-xy2");
    sub->add_flag("--grid", options->grid, "先打印排版结果的上下两行（指数在上一行）");
    sub->add_option("INPUT", options->input, "多项式的乘积，以 - 开头时写在 -- 之后")->required();
    sub->callback([options, &context] {
        PolyEngine engine;
        Emit(context,
             ComputePolynomialProduct(engine, TextArgument(options->input), options->grid));
    });
}

}  // namespace zentova::cli
