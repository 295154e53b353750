#include "logic/truth_table_text.h"

#include "common/streaming_file.h"

namespace zentova {
namespace {

constexpr std::size_t kPieceBytes = 1 << 20;

// 67108865 as "67,108,865".
std::string Grouped(std::uint64_t number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

// A size of at least a megabyte in the decimal units disks are sold in, with
// one decimal from a gigabyte on: "140 MB", "5.5 GB".
std::string RoundedSize(std::uint64_t bytes) {
    constexpr std::uint64_t kMega = 1'000'000, kGiga = 1'000'000'000;
    if (bytes < kGiga) return std::to_string((bytes + kMega / 2) / kMega) + " MB";
    const std::uint64_t tenths = (bytes + kGiga / 20) / (kGiga / 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " GB";
}

std::string Filled(std::string_view text, std::string_view name, const std::string& value) {
    std::string filled(text);
    std::string mark(1, '{');
    mark += name;
    mark += '}';
    for (std::size_t at = filled.find(mark); at != std::string::npos;
         at = filled.find(mark, at + value.size())) {
        filled.replace(at, mark.size(), value);
    }
    return filled;
}

}  // namespace

std::uint64_t TruthTableTextBytes(const TruthTableStream& table) {
    return table.header().size() + 1 + table.lineCount() * (table.lineLength() + 1);
}

bool StreamTruthTableText(TruthTableStream& table,
                          const std::function<bool(std::string_view)>& sink, TaskControl* control) {
    TaskProgress progress(control, table.lineCount());
    std::string piece;
    piece.reserve(kPieceBytes + table.lineLength() + table.header().size() + 2);
    piece += table.header();
    piece += '\n';
    std::string line;
    std::uint64_t lines = 0;
    while (table.Next(line)) {
        piece += line;
        piece += '\n';
        ++lines;
        if (piece.size() >= kPieceBytes) {
            if (!sink(piece) || progress.Step(lines)) return false;
            piece.clear();
            lines = 0;
        }
    }
    if (progress.Stopped()) return false;
    return sink(piece);
}

Outcome SaveTruthTableText(std::string_view formula, const std::string& path,
                           TaskControl* control) {
    std::optional<TruthTableStream> table = MakeTruthTable(formula);
    if (!table) return Outcome::Refused(msg::kFormulaInputError);
    StreamingFile file;
    if (!file.Open(path)) return Outcome::Refused(msg::kTableUnwritable);
    const bool written = StreamTruthTableText(
        *table, [&file](std::string_view piece) { return file.Write(piece); }, control);
    if (control != nullptr && control->StopRequested()) return Outcome::Stopped();
    if (!written || !file.Commit()) return Outcome::Refused(msg::kTableUnwritable);
    return Outcome::Value({});
}

std::string SaveTableQuestion(std::uint64_t lines, std::uint64_t bytes) {
    std::string text = Filled(msg::kSaveTableQuestion, "lines", Grouped(lines));
    text = Filled(text, "size", RoundedSize(bytes));
    return Filled(text, "bytes", Grouped(bytes));
}

std::string TooManyLinesToCopy(std::uint64_t lines) {
    return Filled(Filled(msg::kTooManyLinesToCopy, "lines", Grouped(lines)), "limit",
                  Grouped(kMaxCopiedTableLines));
}

}  // namespace zentova
