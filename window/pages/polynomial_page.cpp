#include "pages/polynomial_page.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "kit/desktop.h"
#include "kit/page_task.h"
#include "kit/pictures.h"

namespace zentova {
namespace {

using K = ControlKind;
using namespace poly_id;

// The input and the one-line product: bold Arial in a 20-pixel cell, 8 pixels
// a character.
constexpr FontSpec kBoxFont = ArialFont(20, 8);
// The typeset product: 10-point Arial; exponents at three quarters of that
// size, raised by about half of it. They are marked as superscript, so that
// accessibility reports them as raised; Qt draws superscript at two thirds
// of the format's size, so the format asks for half as much again as the
// exponent's size, and raises by its own share of the drawn exponent's
// height.
constexpr FontSpec kTypesetFont{kArialFamilies, 13};
constexpr int kExponentPixels = 10;
constexpr int kSuperscriptFormatPixels = kExponentPixels * 3 / 2;
static_assert(kSuperscriptFormatPixels * 2 / 3 == kExponentPixels);
constexpr qreal kExponentRaisePercent = 65;
// Qt places a superscript's baseline a little differently from a baseline
// offset of the same share: compared pixel by pixel, every share from 55 to
// 64 draws the exponents where the offset of 65 drew them, 65 a pixel higher.
constexpr qreal kSuperscriptRaisePercent = 60;

constexpr char kHintText[] =
    "多项式的字母一律用小写，指数跟在字母后面，一律为正数，多项式之间用*分隔，不要加括号，"
    "输入时不要留空格\n"
    "比如：a2-b2*x2y3-xy2，m2n-b3*xy（编辑框中最多可输入5000个字符）";

constexpr ControlRow kRows[] = {
    // The hint comes first so that the input box is named by its own label.
    ControlRow{kHint, K::Label, "hintLabel", kHintText, 10, 18, 373, 34}.WithOptions(option::kWrap),
    ControlRow{kInputLabel, K::Label, "inputLabel", "表达式输入", 10, 6, 120, 10},
    ControlRow{kInput, K::MultiLineEdit, "polynomialBox", "", 10, 54, 305, 44}
        .WithFont(kBoxFont)
        .WithOptions(option::kWrap)
        .WithLimit(static_cast<int>(kMaxPolynomialInputLength)),
    ControlRow{kCompute, K::PushButton, "computeButton", "计算(&P)", 323, 54, 60, 16},
    ControlRow{kPlainResult, K::ReadOnlyMultiLine, "productBox", "", 10, 102, 373, 40}
        .WithName("计算结果")
        .WithFont(kBoxFont)
        .WithOptions(option::kWrap),
    ControlRow{kReuseNote, K::Label, "reuseLabel",
               "上面编辑框中的内容可直接参与计算（本模块支持后台计算）", 10, 146, 256, 10},
    ControlRow{kTermCountLabel, K::Label, "termCountLabel", "结果项数", 268, 146, 40, 10}
        .WithOptions(option::kRightAligned),
    ControlRow{kTermCount, K::ReadOnlyEdit, "termCountBox", "", 310, 144, 73, 13},
    ControlRow{kTypeset, K::RichText, "typesetBox", "", 10, 160, 373, 84}
        .WithName("排版后的结果")
        .WithFont(kTypesetFont)
        .WithOptions(option::kWrap),
};

// The formats of the typeset product. Qt takes a line's height from the
// format of its largest text, which a superscript's format is; the block
// format and the top margin give the lines the spacing and the baselines that
// they had when the exponents were smaller text merely raised.
struct TypesetFormats {
    QTextCharFormat normal;
    QTextCharFormat raised;
    QTextBlockFormat lines;
    qreal topMargin = 0;
};

struct LineMetrics {
    qreal baseline = 0;  // of the first line, from the document's top
    qreal pitch = 0;     // from one line to the next
};

// Lays out two lines of "a²" with the given formats.
LineMetrics MeasureLines(const QTextDocument& like, const TypesetFormats& formats) {
    QTextDocument doc;
    doc.setDefaultFont(like.defaultFont());
    doc.setDocumentMargin(like.documentMargin());
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setTopMargin(formats.topMargin);
    doc.rootFrame()->setFrameFormat(frame);
    QTextCursor cursor(&doc);
    cursor.setBlockFormat(formats.lines);
    for (int line = 0; line < 2; ++line) {
        if (line > 0) cursor.insertText(QString(QChar::LineSeparator), formats.normal);
        cursor.insertText(QStringLiteral("a"), formats.normal);
        cursor.insertText(QStringLiteral("2"), formats.raised);
    }
    doc.setTextWidth(1000);
    const QRectF block = doc.documentLayout()->blockBoundingRect(doc.begin());
    const QTextLayout* layout = doc.begin().layout();
    const QTextLine first = layout->lineAt(0);
    const QTextLine second = layout->lineAt(1);
    const qreal leading = first.leadingIncluded() ? std::max<qreal>(first.leading(), 0) : 0;
    return {block.top() + first.y() + first.ascent() + leading, second.y() - first.y()};
}

TypesetFormats MakeTypesetFormats(const QTextDocument& doc, const QFont& font) {
    TypesetFormats formats;
    formats.normal.setFont(font);
    formats.topMargin = doc.documentMargin();

    // The exponents as they were first drawn: small text, raised.
    TypesetFormats plain = formats;
    QFont small = font;
    small.setPixelSize(kExponentPixels);
    plain.raised = formats.normal;
    plain.raised.setFont(small);
    plain.raised.setBaselineOffset(kExponentRaisePercent);
    const LineMetrics wanted = MeasureLines(doc, plain);

    QFont larger = font;
    larger.setPixelSize(kSuperscriptFormatPixels);
    formats.raised = formats.normal;
    formats.raised.setFont(larger);
    formats.raised.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    formats.raised.setSuperScriptBaseline(kSuperscriptRaisePercent);
    formats.lines.setLineHeight(wanted.pitch, QTextBlockFormat::FixedHeight);
    const LineMetrics fixed = MeasureLines(doc, formats);
    formats.topMargin += wanted.baseline - fixed.baseline;
    return formats;
}

// How long one step of laying out the typeset product may take, well inside
// the 50 ms the window may be busy, on a loaded machine too.
constexpr qint64 kTypesetStepMs = 8;

using TypesetLine = std::vector<TypesetRun>;

// The width of a run of text, measured once per distinct text: a product of
// thousands of terms is made of few distinct letters, signs and exponents.
class CRunWidths {
  public:
    CRunWidths(const QFont& normal, const QFont& exponent) : normal_(normal), exponent_(exponent) {}

    qreal Of(const std::string& text, bool raised) {
        QHash<QString, qreal>& cache = raised ? exponentWidths_ : normalWidths_;
        const QString key = CoreText(text);
        const auto found = cache.constFind(key);
        if (found != cache.constEnd()) return *found;
        const qreal width = (raised ? exponent_ : normal_).horizontalAdvance(key);
        cache.insert(key, width);
        return width;
    }

  private:
    QFontMetricsF normal_;
    QFontMetricsF exponent_;
    QHash<QString, qreal> normalWidths_;
    QHash<QString, qreal> exponentWidths_;
};

void Append(TypesetLine& line, const std::string& text, bool raised) {
    if (line.empty() || line.back().raised != raised) line.push_back({std::string(), raised});
    line.back().text += text;
}

// Breaks the product into the lines that the box would wrap it into at
// `width`: as many words as fit, the spaces after the last one kept at its
// end. A word wider than the line is a line of its own, which the box then
// breaks where it must. Each line becomes a paragraph of its own, which the
// box lays out in a fraction of the time of one paragraph of thousands of
// formats.
std::vector<TypesetLine> BreakIntoLines(const std::vector<TypesetRun>& runs, CRunWidths& widths,
                                        qreal width) {
    std::vector<TypesetLine> lines(1);
    TypesetLine word;
    qreal wordWidth = 0;
    std::string spaces;
    qreal lineWidth = 0;  // without the spaces at its end
    const auto endWord = [&] {
        if (word.empty()) return;
        const qreal spaceWidth = spaces.empty() ? 0 : widths.Of(spaces, false);
        if (!lines.back().empty() && lineWidth + spaceWidth + wordWidth > width) {
            if (!spaces.empty()) Append(lines.back(), spaces, false);
            lines.emplace_back();
            lineWidth = 0;
        } else if (!spaces.empty()) {
            Append(lines.back(), spaces, false);
            lineWidth += spaceWidth;
        }
        for (const TypesetRun& piece : word)
            Append(lines.back(), piece.text, piece.raised);
        lineWidth += wordWidth;
        word.clear();
        wordWidth = 0;
        spaces.clear();
    };
    for (const TypesetRun& run : runs) {
        std::size_t start = 0;
        while (start < run.text.size()) {
            const bool space = run.text[start] == ' ';
            std::size_t end = start;
            while (end < run.text.size() && (run.text[end] == ' ') == space)
                ++end;
            const std::string piece = run.text.substr(start, end - start);
            if (space) {
                endWord();
                spaces += piece;
            } else {
                Append(word, piece, run.raised);
                wordWidth += widths.Of(piece, run.raised);
            }
            start = end;
        }
    }
    endWord();
    if (!spaces.empty()) Append(lines.back(), spaces, false);
    return lines;
}

}  // namespace

// A typeset product while it is laid out, in a document of its own that the
// box takes when it is complete.
struct CPolynomialPage::Typesetting {
    ShownProduct product;
    TypesetFormats formats;
    std::vector<TypesetLine> lines;
    std::size_t next = 0;  // the first line not laid out yet
    int linesPerStep = 4;
    bool scrolls = false;
    bool plainWritten = false;
    QTextDocument* doc = nullptr;  // a child of the box
    QTextCursor cursor;
};

CPolynomialPage::CPolynomialPage(CDesktop& desktop, QWidget* parent)
    : CPageBase(desktop, parent, picture::kPageBackground) {
    CreateControls(kRows);
    // Enter and Escape never reach a control: the input takes no line breaks.
    RouteOtherEnter(EnterRule::Consume);

    // A product is one word of up to 50000 characters. Breaking it anywhere,
    // as the box must at its edge anyway, lays it out ten times faster than
    // looking for word boundaries first.
    for (const int id : {kInput, kPlainResult})
        ControlAs<QPlainTextEdit>(id)->setWordWrapMode(QTextOption::WrapAnywhere);
    ControlAs<QTextEdit>(kTypeset)->setUndoRedoEnabled(false);

    auto* button = ControlAs<QPushButton>(kCompute);
    task_ = std::make_unique<CPageTask>(button, this);
    task_->SetRunningCaption(QStringLiteral("停止(&S)"));
    connect(button, &QPushButton::clicked, this, [this] { Compute(); });
    WriteInt(kTermCount, 0);
}

CPolynomialPage::~CPolynomialPage() {
    // The worker stops and is joined before the engine and the boxes go.
    task_.reset();
}

CPolynomialPage::State CPolynomialPage::state() const {
    if (displaying_) return State::Displaying;
    return task_->Running() ? State::Running : State::Idle;
}

void CPolynomialPage::Compute() {
    if (displaying_) return;
    if (task_->StopIfRunning()) return;
    const std::string input = ReadText(kInput).toStdString();
    if (const auto problem = PolynomialInputProblem(input); !problem.empty()) {
        Desktop().Inform(this, CoreText(problem));
        return;
    }
    PolyEngine* engine = &engine_;
    task_->Run(
        [this, engine, input](TaskControl& control) -> CPageTask::Deliver {
            PolyProduct product;
            const Outcome outcome = MultiplyPolynomialInput(*engine, input, product, &control);
            // An overflow is a message box: the boxes keep the last product.
            if (outcome.kind != Outcome::Kind::Value) {
                return [this, outcome] { ShowOutcome(outcome); };
            }
            // The texts are made here, off the window's thread.
            auto shown = std::make_shared<ShownProduct>();
            shown->plain = GridToPlainText(product.grid, product.width);
            shown->runs = TypesetProduct(product.grid, product.width);
            shown->termCount = product.termCount;
            return [this, shown] { ShowProduct(std::move(*shown)); };
        },
        /*mayBeLong=*/true);
}

void CPolynomialPage::ShowProduct(ShownProduct product) {
    displaying_ = true;
    QTextEdit* box = ControlAs<QTextEdit>(kTypeset);
    const QTextDocument& shown = *box->document();
    auto job = std::make_unique<Typesetting>();
    job->formats = MakeTypesetFormats(shown, box->font());

    // The new document lays out as the box would: same font, margins and
    // wrapping, at the width the box's viewport will have.
    job->doc = new QTextDocument(box);
    job->doc->setUndoRedoEnabled(false);
    job->doc->setDefaultFont(shown.defaultFont());
    job->doc->setDocumentMargin(shown.documentMargin());
    job->doc->setDefaultTextOption(shown.defaultTextOption());
    QTextFrameFormat frame = job->doc->rootFrame()->frameFormat();
    frame.setTopMargin(job->formats.topMargin);
    job->doc->rootFrame()->setFrameFormat(frame);

    // The box's viewport without and with the scroll bar; the product takes
    // the bar when it is taller than the box.
    const QScrollBar* bar = box->verticalScrollBar();
    const int barWidth = bar->sizeHint().width();
    const int wide = box->viewport()->width() + (bar->isVisible() ? barWidth : 0);
    const auto lineWidthAt = [&](int pageWidth) {
        QTextDocument probe;
        probe.setDefaultFont(shown.defaultFont());
        probe.setDocumentMargin(shown.documentMargin());
        probe.setDefaultTextOption(shown.defaultTextOption());
        probe.setPlainText(QStringLiteral("x"));
        probe.setPageSize(QSizeF(pageWidth, -1));
        probe.documentLayout()->documentSize();
        return probe.begin().layout()->lineAt(0).width();
    };
    CRunWidths widths(job->formats.normal.font(), [&] {
        QFont drawn = job->formats.normal.font();
        drawn.setPixelSize(kExponentPixels);
        return drawn;
    }());
    int pageWidth = wide;
    job->lines = BreakIntoLines(product.runs, widths, lineWidthAt(pageWidth));
    const qreal height = job->formats.topMargin + shown.documentMargin() +
                         job->formats.lines.lineHeight() * static_cast<qreal>(job->lines.size());
    if (height > box->viewport()->height()) {
        job->scrolls = true;
        pageWidth = wide - barWidth;
        job->lines = BreakIntoLines(product.runs, widths, lineWidthAt(pageWidth));
    }
    job->doc->setPageSize(QSizeF(pageWidth, -1));
    job->cursor = QTextCursor(job->doc);
    job->cursor.setBlockFormat(job->formats.lines);
    job->product = std::move(product);
    typesetting_ = std::move(job);
    TypesetSomeLines();
}

void CPolynomialPage::TypesetSomeLines() {
    Typesetting& job = *typesetting_;
    QElapsedTimer clock;
    clock.start();
    // Each step lays out as many lines as fitted in the time of the last one.
    const std::size_t end =
        std::min(job.lines.size(), job.next + static_cast<std::size_t>(job.linesPerStep));
    job.cursor.beginEditBlock();
    for (; job.next < end; ++job.next) {
        if (job.next > 0) job.cursor.insertBlock(job.formats.lines, job.formats.normal);
        for (const TypesetRun& run : job.lines[job.next]) {
            job.cursor.insertText(CoreText(run.text),
                                  run.raised ? job.formats.raised : job.formats.normal);
        }
    }
    job.cursor.endEditBlock();
    job.doc->documentLayout()->documentSize();
    const qint64 spent = std::max<qint64>(clock.elapsed(), 1);
    job.linesPerStep = std::clamp(static_cast<int>(job.linesPerStep * kTypesetStepMs / spent), 1,
                                  job.linesPerStep * 3 / 2 + 1);
    if (job.next < job.lines.size()) {
        QTimer::singleShot(0, this, [this] {
            if (typesetting_) TypesetSomeLines();
        });
        return;
    }
    FinishShowing();
}

void CPolynomialPage::FinishShowing() {
    Typesetting& shown = *typesetting_;
    if (!shown.plainWritten) {
        // The one-line product lays out and paints in a step of its own.
        WriteText(kPlainResult, CoreText(shown.product.plain));
        WriteInt(kTermCount, shown.product.termCount);
        shown.plainWritten = true;
        QTimer::singleShot(0, this, [this] {
            if (typesetting_) FinishShowing();
        });
        return;
    }
    const std::unique_ptr<Typesetting> job = std::move(typesetting_);
    QTextEdit* box = ControlAs<QTextEdit>(kTypeset);
    // The box takes the laid-out document without laying it out again: first
    // an empty one, so that setting the scroll bar costs nothing, then the
    // product at the width it was laid out for. A document of an earlier
    // product goes with the swap.
    box->setDocument(new QTextDocument(box));
    box->setVerticalScrollBarPolicy(job->scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    box->setDocument(job->doc);
    box->moveCursor(QTextCursor::Start);
    displaying_ = false;
}

}  // namespace zentova
