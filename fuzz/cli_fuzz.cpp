// The command line's argument handling of every subcommand, in process: any
// arguments and any standard input give one of the exit statuses 0, 1 or 2, a
// refusal prints nothing on standard output, and what is printed is UTF-8
// lines each ending in a line break. The parser built for the command named
// first agrees with the parser of every command, on one input in 64
// (the comparison costs what the lighter parser saves).
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "common/utf8_text.h"
#include "fuzz_check.h"

namespace {

bool Mentions(const std::vector<std::string>& args, std::string_view word) {
    for (const std::string& a : args) {
        if (a.find(word) != std::string::npos) return true;
    }
    return false;
}

// Inputs whose work is long by design (a depth-30 integral, a sum over 10^9
// terms, a truth table of 26 letters) are left to the tools' own targets and
// tests, which bound them; here they would only stall the fuzzer.
bool LongByDesign(const std::vector<std::string>& args) {
    const bool counted = Mentions(args, "integrate") || Mentions(args, "derive") ||
                         Mentions(args, "sum") || Mentions(args, "product");
    int letters = 0;
    for (const std::string& a : args) {
        std::size_t run = 0;
        for (const char c : a) {
            run = (c >= '0' && c <= '9') ? run + 1 : 0;
            if (counted && (run > 1 || c == 'e' || c == 'E')) return true;
            letters += c >= 'A' && c <= 'Z';
        }
    }
    return Mentions(args, "logic") && letters > 12;
}

// One input in 64, by a hash of all its bytes: the trailing bytes alone
// would pick inputs by their count of arguments.
bool Sampled(const std::uint8_t* data, std::size_t size) {
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash % 64 == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Expression files named by the input are written in a scratch folder.
    char folder[] = "/tmp/zentova-cli-fuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::string> args(input.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (std::string& a : args) {
        a = input.ConsumeRandomLengthString(200);
        // Only names inside the scratch folder: the fuzzer must not write
        // files elsewhere.
        if (a.find('/') != std::string::npos) return -1;
    }
    if (LongByDesign(args)) return -1;
    std::istringstream in(input.ConsumeRemainingBytesAsString());
    std::ostringstream out;
    std::ostringstream err;
    zentova::cli::Context context{out, err, in};

    const int status = zentova::cli::RunCommandLine(args, context);
    const std::string printed = out.str();
    std::string all;
    for (const std::string& a : args)
        all += a + ' ';
    zentova::fuzz::Check(status >= 0 && status <= 2, "the exit status is 0, 1 or 2", all);
    zentova::fuzz::Check(status != 2 || printed.empty(), "a refusal prints nothing", all);
    zentova::fuzz::Check(printed.empty() || printed.back() == '\n', "every line ends", all);
    zentova::fuzz::Check(zentova::IsValidUtf8(printed), "standard output is UTF-8", all);
    if (Sampled(data, size)) {
        std::istringstream again(in.str());
        std::ostringstream fullOut;
        std::ostringstream fullErr;
        zentova::cli::Context full{fullOut, fullErr, again};
        const int fullStatus = zentova::cli::RunCommandLineWithEveryCommand(args, full);
        zentova::fuzz::Check(
            fullStatus == status && fullOut.str() == printed && fullErr.str() == err.str(),
            "the parser of one command agrees with the parser of all", all);
    }
    return 0;
}
