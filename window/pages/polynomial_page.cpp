#include "pages/polynomial_page.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
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

}  // namespace

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
    WriteInt(kTermCount, termCount_);
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
            auto product = std::make_shared<PolyProduct>();
            switch (MultiplyChain(*engine, input, *product, &control)) {
                case PolyStatus::Ok:
                    return [this, product] { ShowProduct(*product); };
                case PolyStatus::Overflow:
                    return [this] { Desktop().Inform(this, CoreText(msg::kPolynomialOverflow)); };
                case PolyStatus::Stopped:
                    break;
            }
            return {};
        },
        /*mayBeLong=*/true);
}

void CPolynomialPage::ShowProduct(const PolyProduct& product) {
    displaying_ = true;
    plainResult_ = QString::fromStdString(GridToPlainText(product.grid, product.width));
    Typeset(product);
    termCount_ = product.termCount;
    WriteText(kPlainResult, plainResult_);
    WriteInt(kTermCount, termCount_);
    displaying_ = false;
}

void CPolynomialPage::Typeset(const PolyProduct& product) {
    QTextEdit* box = ControlAs<QTextEdit>(kTypeset);
    box->clear();
    QTextDocument* doc = box->document();
    const TypesetFormats formats = MakeTypesetFormats(*doc, box->font());
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setTopMargin(formats.topMargin);
    doc->rootFrame()->setFrameFormat(frame);

    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.setBlockFormat(formats.lines);
    for (const TypesetRun& run : TypesetProduct(product.grid, product.width)) {
        cursor.insertText(QString::fromStdString(run.text),
                          run.raised ? formats.raised : formats.normal);
    }
    cursor.endEditBlock();
    box->moveCursor(QTextCursor::Start);
}

}  // namespace zentova
