// The evaluator against muparser parsing and evaluating the same text afresh
// each time, and the function-of-x services against their plain forms.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <array>
#include <cstdio>
#include <string>

#include "expr/function_of_x.h"

namespace {

using zentova::AngleMode;

// Expressions of different shapes, written so that both evaluators read them.
struct Shape {
    const char* name;
    const char* text;
};
constexpr std::array<Shape, 5> kShapes = {{
    {"short", "1+2*3"},
    {"trig", "sin(0.5)+2^3"},
    {"nested", "sqrt(abs(-16))*(1.5+2.25)/(4.5^2)-(3.75-1.125)"},
    {"functions", "sin(0.5)+cos(0.5)+tan(0.25)+ln(2)+sqrt(2)+abs(-3)+ln(3)"},
    {"long",
     "1.5*2.5+3.5*4.5-5.5/6.5+7.5*8.5-9.5/10.5+11.5*12.5-13.5/14.5+15.5*16.5-"
     "17.5/18.5+19.5*20.5"},
}};

void BM_Evaluate(benchmark::State& state) {
    const char* text = kShapes[static_cast<std::size_t>(state.range(0))].text;
    state.SetLabel(kShapes[static_cast<std::size_t>(state.range(0))].name);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zentova::Evaluate(text, AngleMode::Radians));
    }
}
BENCHMARK(BM_Evaluate)->DenseRange(0, kShapes.size() - 1);

void BM_MuparserParseAndEval(benchmark::State& state) {
    const char* text = kShapes[static_cast<std::size_t>(state.range(0))].text;
    state.SetLabel(kShapes[static_cast<std::size_t>(state.range(0))].name);
    mu::Parser parser;
    for (auto _ : state) {
        // A fresh copy of the text each time: SetExpr parses it again.
        parser.SetExpr(std::string(text));
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuparserParseAndEval)->DenseRange(0, kShapes.size() - 1);

void BM_EvaluateAtX(benchmark::State& state) {
    zentova::FunctionOfX f;
    f.SetFunctionText(state.range(0) == 0 ? "x^2" : "x^2*sin(x)+x/(1+x)");
    double x = 0.1234567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.EvaluateAtX(x));
        x += 1e-3;
    }
}
BENCHMARK(BM_EvaluateAtX)->Arg(0)->Arg(1);

// The plain way: snprintf "(%g)" into a string and replace each x in a copy.
void BM_EvaluateAtXWithSnprintf(benchmark::State& state) {
    const std::string text = state.range(0) == 0 ? "x^2" : "x^2*sin(x)+x/(1+x)";
    double x = 0.1234567;
    for (auto _ : state) {
        char value[32];
        std::snprintf(value, sizeof value, "(%g)", x);
        std::string built;
        for (const char c : text) {
            if (c == 'x') {
                built += value;
            } else {
                built += c;
            }
        }
        benchmark::DoNotOptimize(zentova::Evaluate(built, AngleMode::Radians));
        x += 1e-3;
    }
}
BENCHMARK(BM_EvaluateAtXWithSnprintf)->Arg(0)->Arg(1);

void BM_DefiniteIntegral(benchmark::State& state) {
    zentova::FunctionOfX f;
    f.SetFunctionText("x^2*sin(x)");
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.DefiniteIntegral(0, 3, 1e-12, 20));
    }
}
BENCHMARK(BM_DefiniteIntegral)->Unit(benchmark::kMillisecond);

void BM_SeriesMillionTerms(benchmark::State& state) {
    zentova::FunctionOfX f;
    f.SetFunctionText("sin(x)/x");
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.SeriesAccumulate(1, 1000000, 1, '+'));
    }
}
BENCHMARK(BM_SeriesMillionTerms)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
