// How long the window stops answering while a page works on the largest input
// it takes. A timer on the user-interface thread ticks every 5 ms; the longest
// interval between two ticks is the longest stall a person would feel. Each
// case types its input (as a paste would), presses its button and waits until
// the page is done, then prints one row: the longest gap while the input went
// in, the longest gap while the page worked, and how long the work took.
//
//   zentova_stall_probe [--file EXPRFILE] [CASE...]
//
// EXPRFILE is an expression file of 65535 formulas (scripts/stall_probe.sh
// makes one); without it that case is skipped. With CASE names only those run.
// The figures are measurements, never pass or fail.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "pages/graph_drawing_window.h"
#include "shell/zentova_view.h"

namespace {

using zentova::CPageBase;
using zentova::testing::FrameFixture;

// The longest interval between two ticks of a fine timer, from Start to Stop.
class GapProbe {
  public:
    GapProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void Start() {
        longest_ = 0;
        clock_.start();
        last_ = 0;
        timer_.start();
    }
    // Milliseconds; the tick that ends a stall has been counted.
    double Stop() {
        timer_.stop();
        longest_ = std::max(longest_, clock_.nsecsElapsed() - last_);
        return static_cast<double>(longest_) / 1e6;
    }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

struct Case {
    const char* name;
    const char* input;  // what the row says was given
    int page;
    std::function<void(CPageBase&)> type;  // puts the input into the boxes
    std::function<void(CPageBase&)> act;   // presses the button(s)
    // True when the page has shown its answer.
    std::function<bool(CPageBase&)> done = [](CPageBase&) { return true; };
    // A task that would run for minutes: this button is pressed again after
    // stopAfterMs, which stops it, and the case is done.
    const char* stopButton = nullptr;
    int stopAfterMs = 0;
};

template <class T = QWidget>
T* Find(const QWidget& page, const char* name) {
    T* found = page.findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) std::fprintf(stderr, "no control %s\n", name);
    return found;
}

void SetText(const QWidget& page, const char* name, const QString& text) {
    if (auto* line = page.findChild<QLineEdit*>(QString::fromUtf8(name))) {
        line->setText(text);
    } else if (auto* box = page.findChild<QPlainTextEdit*>(QString::fromUtf8(name))) {
        box->setPlainText(text);
    } else {
        std::fprintf(stderr, "no box %s\n", name);
    }
}

void Click(const QWidget& page, const char* name) {
    if (auto* button = Find<QPushButton>(page, name)) QTest::mouseClick(button, Qt::LeftButton);
}

QString BoxText(const QWidget& page, const char* name) {
    if (auto* line = page.findChild<QLineEdit*>(QString::fromUtf8(name))) return line->text();
    if (auto* box = page.findChild<QPlainTextEdit*>(QString::fromUtf8(name)))
        return box->toPlainText();
    if (auto* rich = page.findChild<QTextEdit*>(QString::fromUtf8(name)))
        return rich->toPlainText();
    return {};
}

// Numbers that make every matrix regular and every pivot search work.
QString MatrixText(int rows, int cols, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> digit(-99, 99);
    QString text;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            text += QString::number(i == j ? 1000 + digit(random) : digit(random));
            text += j + 1 < cols ? QLatin1Char(' ') : QLatin1Char('\n');
        }
    }
    return text;
}

// A symmetric graph of 50 nodes with about half of the 1225 pairs joined.
QString DenseGraphText() {
    std::mt19937 random(19);
    std::uniform_int_distribution<int> weight(1, 99);
    std::bernoulli_distribution joined(0.49);
    int m[50][50] = {};
    for (int i = 0; i < 50; ++i)
        for (int j = i + 1; j < 50; ++j)
            if (joined(random)) m[i][j] = m[j][i] = weight(random);
    QString text;
    for (const auto& row : m) {
        for (int j = 0; j < 50; ++j)
            text += QString::number(row[j]) + (j < 49 ? QLatin1Char(' ') : QLatin1Char('\n'));
    }
    return text;
}

QString LongExpression() {
    QString text;
    while (text.size() < 1000)
        text += QStringLiteral("sqrt(2)*sin(30)+");
    text += QStringLiteral("1");
    while (text.size() < 1023)
        text += QStringLiteral("+1");
    return text.left(1023);
}

QString Letters(int count, const char* join) {
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += QString::fromUtf8(join);
        text += QChar(u'A' + i);
    }
    return text;
}

// 70 powers of a times 70 powers of b: 4900 terms, about 35,000 characters.
QString ProductOf4900() {
    QString text;
    for (const char letter : {'a', 'b'}) {
        if (!text.isEmpty()) text += QLatin1Char('*');
        for (int e = 1; e <= 70; ++e) {
            if (e > 1) text += QLatin1Char('+');
            text += QLatin1Char(letter) + QString::number(e);
        }
    }
    return text;
}

QString Numbers(int count) {
    QString text;
    text.reserve(count * 9);
    std::mt19937 random(5);
    std::uniform_real_distribution<double> value(-1000, 1000);
    for (int i = 0; i < count; ++i)
        text += QString::number(value(random), 'g', 6) + (i % 10 == 9 ? u'\n' : u' ');
    return text;
}

std::vector<Case> Cases(const QString& exprFile, FrameFixture& fixture) {
    std::vector<Case> cases;
    cases.push_back(
        {"idle", "nothing", 11, [](CPageBase&) {}, [](CPageBase&) { QTest::qWait(300); }});
    cases.push_back(
        {"calculator", "1023-character expression", 0,
         [](CPageBase& p) { SetText(p, "expressionBox", LongExpression()); },
         [](CPageBase& p) { QTest::keyClick(Find(p, "expressionBox"), Qt::Key_Return); },
         [](CPageBase& p) { return !BoxText(p, "resultBox").isEmpty(); }});
    cases.push_back({"matrix workbench", "100x100 A, B: add, A x B, inverse, echelon", 1,
                     [](CPageBase& p) {
                         SetText(p, "matrixRowsBox", QStringLiteral("100"));
                         SetText(p, "matrixColsBox", QStringLiteral("100"));
                         SetText(p, "matrixNameBox", QStringLiteral("A"));
                         SetText(p, "matrixTextBox", MatrixText(100, 100, 1));
                     },
                     [](CPageBase& p) {
                         Click(p, "matrixAddButton");
                         SetText(p, "matrixNameBox", QStringLiteral("B"));
                         SetText(p, "matrixTextBox", MatrixText(100, 100, 2));
                         Click(p, "matrixAddButton");
                         Find<QComboBox>(p, "matrixFirstCombo")->setCurrentIndex(0);
                         Find<QComboBox>(p, "matrixSecondCombo")->setCurrentIndex(1);
                         Click(p, "matrixTimesButton");
                         Find<QComboBox>(p, "matrixUnaryCombo")->setCurrentIndex(0);
                         Click(p, "matrixInvertButton");
                         Click(p, "matrixEchelonButton");
                     }});
    cases.push_back({"determinant", "order 100", 2,
                     [](CPageBase& p) {
                         SetText(p, "determinantOrderBox", QStringLiteral("100"));
                         SetText(p, "determinantMatrixBox", MatrixText(100, 100, 3));
                     },
                     [](CPageBase& p) { Click(p, "determinantEvaluateButton"); },
                     [](CPageBase& p) { return !BoxText(p, "determinantResultBox").isEmpty(); }});
    cases.push_back({"integral", "sin(x) over [0, 1000], depth 40, stopped after 1 s", 3,
                     [](CPageBase& p) {
                         SetText(p, "integrandBox", QStringLiteral("sin(x)"));
                         SetText(p, "lowerLimitBox", QStringLiteral("0"));
                         SetText(p, "upperLimitBox", QStringLiteral("1000"));
                         SetText(p, "integralPrecisionBox", QStringLiteral("1e-300"));
                         SetText(p, "integralDepthBox", QStringLiteral("40"));
                     },
                     [](CPageBase& p) { Click(p, "integrateButton"); },
                     [](CPageBase&) { return false; }, "integrateButton", 1000});
    cases.push_back({"integral", "sin(x) over [0, 3], depth 22, to its end", 3,
                     [](CPageBase& p) {
                         SetText(p, "upperLimitBox", QStringLiteral("3"));
                         SetText(p, "integralDepthBox", QStringLiteral("22"));
                     },
                     [](CPageBase& p) { Click(p, "integrateButton"); },
                     [](CPageBase& p) { return !BoxText(p, "integralResultBox").isEmpty(); }});
    cases.push_back({"series", "sum of x from 1 to 1e12, stopped after 1 s", 4,
                     [](CPageBase& p) {
                         SetText(p, "sumFunctionBox", QStringLiteral("x"));
                         SetText(p, "sumStartBox", QStringLiteral("1"));
                         SetText(p, "sumEndBox", QStringLiteral("1e12"));
                         SetText(p, "sumStepBox", QStringLiteral("1"));
                     },
                     [](CPageBase& p) { Click(p, "sumButton"); }, [](CPageBase&) { return false; },
                     "sumButton", 1000});
    cases.push_back({"linear system", "100 unknowns", 5,
                     [](CPageBase& p) {
                         SetText(p, "systemUnknownsBox", QStringLiteral("100"));
                         SetText(p, "systemCoefficientBox", MatrixText(100, 101, 4));
                     },
                     [](CPageBase& p) { Click(p, "systemSolveButton"); },
                     [](CPageBase& p) {
                         auto* list = Find<QAbstractItemView>(p, "systemSolutionList");
                         return list != nullptr && list->model()->rowCount() > 0;
                     }});
    cases.push_back({"statistics", "100,000 numbers, all ten statistics", 6,
                     [](CPageBase& p) { SetText(p, "statsDataBox", Numbers(100000)); },
                     [](CPageBase& p) {
                         auto* kinds = Find<QComboBox>(p, "statsKindCombo");
                         for (int k = 0; k < kinds->count(); ++k) {
                             kinds->setCurrentIndex(k);
                             Click(p, "statsComputeButton");
                             QTest::qWait(20);
                         }
                     },
                     [](CPageBase& p) { return !BoxText(p, "statsResultBox").isEmpty(); }});
    if (!exprFile.isEmpty()) {
        cases.push_back(
            {"custom expressions", "file of 65,535 formulas", 7,
             [&fixture, exprFile](CPageBase&) { fixture.desktop.filesToOpen = {exprFile}; },
             [](CPageBase& p) { Click(p, "exprOpenButton"); },
             [](CPageBase& p) {
                 auto* list = Find<QAbstractItemView>(p, "exprList");
                 return list != nullptr && list->model()->rowCount() == 65535;
             }});
    }
    cases.push_back({"graph", "50 nodes, 600 edges: tree, shortest, critical path", 8,
                     [](CPageBase& p) {
                         SetText(p, "nodeCountBox", QStringLiteral("50"));
                         SetText(p, "matrixBox", DenseGraphText());
                     },
                     [](CPageBase& p) {
                         Find<QSpinBox>(p, "toBox")->setValue(49);
                         Find<QSpinBox>(p, "endBox")->setValue(49);
                         Click(p, "spanningTreeButton");
                         Click(p, "criticalPathButton");
                         Click(p, "shortestPathButton");
                     }});
    cases.push_back({"graph drawing", "the same graph, 画图…", 8, [](CPageBase&) {},
                     [](CPageBase& p) { Click(p, "drawButton"); },
                     [](CPageBase& p) {
                         auto* window = p.findChild<zentova::CGraphDrawingWindow*>();
                         return window != nullptr && !window->Svg().isEmpty();
                     }});
    cases.push_back({"polynomial", "product of 4,900 terms", 10,
                     [](CPageBase& p) { SetText(p, "polynomialBox", ProductOf4900()); },
                     [](CPageBase& p) { Click(p, "computeButton"); },
                     [](CPageBase& p) { return BoxText(p, "termCountBox") == u"4900"; }});
    cases.push_back({"logic truth table", "26 letters", 12,
                     [](CPageBase& p) { SetText(p, "formula1Box", Letters(26, "v")); },
                     [](CPageBase& p) { Click(p, "truthTableButton"); }});
    cases.push_back({"logic normal forms", "11 letters, both forms", 12,
                     [](CPageBase& p) { SetText(p, "formula1Box", Letters(11, ">")); },
                     [](CPageBase& p) {
                         Click(p, "conjunctiveButton");
                         Click(p, "disjunctiveButton");
                     },
                     [](CPageBase& p) {
                         return !BoxText(p, "conjunctiveBox").isEmpty() &&
                                !BoxText(p, "disjunctiveBox").isEmpty();
                     }});
    cases.push_back({"logic equivalence", "26 letters against the same reversed", 12,
                     [](CPageBase& p) {
                         SetText(p, "formula1Box", Letters(26, "v"));
                         QString reversed = Letters(26, "v");
                         std::reverse(reversed.begin(), reversed.end());
                         SetText(p, "formula2Box", reversed);
                     },
                     [](CPageBase& p) { Click(p, "equivalenceButton"); },
                     [&fixture](CPageBase&) { return !fixture.desktop.messages.isEmpty(); },
                     "equivalenceButton", 1000});
    return cases;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zentova::testing::PrepareApplication();
    QString exprFile;
    QStringList only;
    const QStringList arguments = QApplication::arguments().mid(1);
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--file" && i + 1 < arguments.size()) {
            exprFile = arguments[++i];
        } else {
            only << arguments[i];
        }
    }

    FrameFixture fixture;
    fixture.Open();
    std::printf(
        "| page | input | longest gap, typing (ms) | longest gap, working (ms) | work (ms) |\n");
    std::printf("|---|---|---|---|---|\n");
    GapProbe probe;
    for (const Case& c : Cases(exprFile, fixture)) {
        if (!only.isEmpty() && !only.contains(QString::fromUtf8(c.name))) continue;
        fixture.desktop.messages.clear();
        fixture.frame->View()->ShowPage(c.page);
        CPageBase& page = *fixture.frame->View()->Page(c.page);
        QTest::qWait(100);

        // Each phase runs from the event loop, so that the timer sees it.
        probe.Start();
        QTimer::singleShot(0, &page, [&] { c.type(page); });
        QTest::qWait(200);
        const double typing = probe.Stop();

        QElapsedTimer work;
        probe.Start();
        work.start();
        QTimer::singleShot(0, &page, [&] { c.act(page); });
        QTest::qWait(10);
        while (work.elapsed() < 120000 && !c.done(page)) {
            if (c.stopButton != nullptr && work.elapsed() >= c.stopAfterMs) {
                Click(page, c.stopButton);
                break;
            }
            QTest::qWait(5);
        }
        const qint64 worked = work.elapsed();
        QTest::qWait(300);  // what the shown answer costs to paint
        const double working = probe.Stop();
        std::printf("| %s | %s | %.0f | %.0f | %lld |\n", c.name, c.input, typing, working,
                    static_cast<long long>(worked));
        // A message says the input was refused, or is the answer itself.
        for (const auto& message : fixture.desktop.messages)
            std::fprintf(stderr, "  %s: %s\n", c.name, qPrintable(message.text));
        std::fflush(stdout);
    }
    fixture.frame.reset();
    return 0;
}
