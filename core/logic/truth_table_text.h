// The truth table as one text: the header and every line, each followed by a
// line break. The command line prints it, the logic page saves it to a file
// and copies parts of it, so that they cannot differ.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "common/task_control.h"
#include "logic/logic_tools.h"

namespace zentova {

// A save larger than this many bytes is confirmed first: a table of 21
// variables is about 140 MB, one of 26 about 5.5 GB.
inline constexpr std::uint64_t kConfirmTableSaveBytes = 100'000'000;

// The most lines copied to the clipboard at once: the text is built on the
// user-interface thread, and 50,000 lines of 26 variables (4 MB) take about
// 25 ms there on a busy machine; twice as many came near the 50 ms a window
// may stall. Larger parts of a table are saved as text.
inline constexpr std::uint64_t kMaxCopiedTableLines = 50'000;

// The size in bytes of the whole text of `table`.
std::uint64_t TruthTableTextBytes(const TruthTableStream& table);

// Hands the header and then the lines that `table` has not yet given to
// `sink`, in pieces of about a megabyte. With `control`, progress counts
// lines and a stop ends the stream. False when `sink` refused a piece or a
// stop came.
bool StreamTruthTableText(TruthTableStream& table,
                          const std::function<bool(std::string_view)>& sink,
                          TaskControl* control = nullptr);

// Writes the whole table of `formula` to the file `path`, which holds either
// its old content or the whole table afterwards: an empty value on success,
// msg::kFormulaInputError or msg::kTableUnwritable refused, a failure to
// discard after a stop.
Outcome SaveTruthTableText(std::string_view formula, const std::string& path,
                           TaskControl* control = nullptr);

// The question before a large save, with the table's lines and bytes.
std::string SaveTableQuestion(std::uint64_t lines, std::uint64_t bytes);
// The refusal to copy more than kMaxCopiedTableLines lines.
std::string TooManyLinesToCopy(std::uint64_t lines);

}  // namespace zentova
