// The calculator page driven through its widgets: typing, the keypad, Enter
// and Escape, the history, the angle modes, the tips and the layout.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "expr/evaluator.h"
#include "exprtools/calculator_keys.h"
#include "gui_test_support.h"
#include "input_method.h"
#include "kit/key_button.h"
#include "kit/pictures.h"
#include "pages/expr_calc_page.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

class CalculatorPageTest : public QObject {
    Q_OBJECT

  private:
    PageFixture fixture_{PageId::Calculator};

    CExprCalcPage* Page() { return fixture_.Shown<CExprCalcPage>(); }
    QLineEdit* Box() { return Page()->findChild<QLineEdit*>(QStringLiteral("expressionBox")); }
    QLineEdit* Result() { return Page()->findChild<QLineEdit*>(QStringLiteral("resultBox")); }
    QListWidget* History() {
        return Page()->findChild<QListWidget*>(QStringLiteral("historyList"));
    }
    CKeyButton* Key(int id) {
        return Page()->findChild<CKeyButton*>(QStringLiteral("key%1").arg(id));
    }
    void Press(int id) {
        CKeyButton* key = Key(id);
        QVERIFY(key != nullptr);
        QTest::mouseClick(key, Qt::LeftButton);
    }
    QStringList HistoryTexts() {
        QStringList texts;
        for (int i = 0; i < History()->count(); ++i)
            texts << History()->item(i)->text();
        return texts;
    }
    // Types `text` into the emptied expression box and presses Enter.
    void Enter(const QString& text) {
        Box()->setFocus();
        Box()->clear();
        QTest::keyClicks(Box(), text);
        QTest::keyClick(Box(), Qt::Key_Return);
    }
    void ChooseMode(const char* radio) {
        QTest::mouseClick(Page()->findChild<QRadioButton*>(QString::fromUtf8(radio)),
                          Qt::LeftButton, {}, QPoint(6, 8));
    }

  private slots:
    void initTestCase() { PrepareApplication(); }

    void init() {
        fixture_.Open();
        QCOMPARE(QApplication::focusWidget(), Box());
    }

    void cleanup() {
        QVERIFY(fixture_.desktop.messages.isEmpty());  // this page never shows a message box
        fixture_.Close();
    }

    void startsEmptyInRadians() {
        QVERIFY(Box()->text().isEmpty());
        QVERIFY(Result()->text().isEmpty());
        QCOMPARE(History()->count(), 0);
        QCOMPARE(Page()->angleMode(), AngleMode::Radians);
        QVERIFY(Page()->findChild<QRadioButton*>(QStringLiteral("radiansRadio"))->isChecked());
        QCOMPARE(Box()->maxLength(), 1023);
        QVERIFY(Result()->isReadOnly());
        QCOMPARE(Box()->alignment() & Qt::AlignRight, Qt::AlignRight);
    }

    void evaluates_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("byEqualsKey");
        QTest::addColumn<QString>("shown");   // the box afterwards
        QTest::addColumn<QString>("result");  // "" : as the engine gives it
        QTest::addColumn<int>("historyCount");
        QTest::newRow("upper case in degrees") << "SIN(30)"
                                               << "degreesRadio" << false << "sin(30)"
                                               << "0.5" << 1;
        QTest::newRow("the typical request") << "sin(30)+2^3"
                                             << "degreesRadio" << true << "sin(30)+2^3"
                                             << "8.5" << 1;
        QTest::newRow("radians by default") << "cos(0)"
                                            << "" << false << "cos(0)"
                                            << "1" << 1;
        QTest::newRow("centesimal") << "sin(90)"
                                    << "centesimalRadio" << true << "sin(90)"
                                    << "" << 1;
        QTest::newRow("radians chosen again") << "sin(30)"
                                              << "radiansRadio" << false << "sin(30)"
                                              << "" << 1;
        QTest::newRow("division by zero") << "1/0"
                                          << "" << false << "1/0"
                                          << "除数为零错误" << 0;
        QTest::newRow("unbalanced") << "(1+2"
                                    << "" << true << "(1+2"
                                    << "" << 0;
        QTest::newRow("failure is lower-cased too") << "ABC"
                                                    << "" << false << "abc"
                                                    << "" << 0;
    }

    void evaluates() {
        QFETCH(QString, typed);
        QFETCH(QString, radio);
        QFETCH(bool, byEqualsKey);
        QFETCH(QString, shown);
        QFETCH(QString, result);
        QFETCH(int, historyCount);
        if (!radio.isEmpty()) ChooseMode(radio.toUtf8().constData());
        QTest::keyClicks(Box(), typed);
        if (byEqualsKey) {
            Press(kEqualsKeyId);
        } else {
            QTest::keyClick(Box(), Qt::Key_Return);
        }
        QCOMPARE(Box()->text(), shown);
        if (result.isEmpty()) {
            result = QString::fromStdString(
                FormatResult(zentova::Evaluate(shown.toStdString(), Page()->angleMode())));
        }
        QCOMPARE(Result()->text(), result);
        QCOMPARE(History()->count(), historyCount);
        QVERIFY(Page()->isVisible());
    }

    // Full-width text committed by an input method is computed as its ASCII
    // reading; the box and the history keep what was typed.
    void inputMethodText() {
        CommitText(Box(), QStringLiteral("（１＋２）＊３"));
        QTest::keyClick(Box(), Qt::Key_Return);
        QCOMPARE(Result()->text(), QStringLiteral("9"));
        QCOMPARE(Box()->text(), QStringLiteral("（１＋２）＊３"));
        QCOMPARE(HistoryTexts(), QStringList{QStringLiteral("（１＋２）＊３")});
    }

    void modesReachTheEngine() {
        const std::pair<const char*, AngleMode> kModes[] = {
            {"degreesRadio", AngleMode::Degrees},
            {"centesimalRadio", AngleMode::Centesimal},
            {"radiansRadio", AngleMode::Radians}};
        for (const auto& [radio, mode] : kModes) {
            ChooseMode(radio);
            QCOMPARE(Page()->angleMode(), mode);
            Enter(QStringLiteral("sin(50)"));
            QCOMPARE(Result()->text(),
                     QString::fromStdString(FormatResult(zentova::Evaluate("sin(50)", mode))));
        }
    }

    void arrowKeysChooseTheModeToo() {
        auto* radians = Page()->findChild<QRadioButton*>(QStringLiteral("radiansRadio"));
        radians->setFocus();
        QTest::keyClick(radians, Qt::Key_Down);
        QCOMPARE(Page()->angleMode(), AngleMode::Centesimal);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(Page()->angleMode(), AngleMode::Degrees);
        QVERIFY(Page()->findChild<QRadioButton*>(QStringLiteral("degreesRadio"))->isChecked());
    }

    void equalsOnAnEmptyBoxChangesNothing() {
        Enter(QStringLiteral("2*3"));
        QCOMPARE(Result()->text(), QStringLiteral("6"));
        QTest::keyClick(Box(), Qt::Key_Escape);
        QVERIFY(Box()->text().isEmpty());
        Press(kEqualsKeyId);
        QTest::keyClick(Box(), Qt::Key_Return);
        QCOMPARE(Result()->text(), QStringLiteral("6"));
        QCOMPARE(History()->count(), 1);
    }

    void historyKeepsOnlyNewPrefixes_data() {
        QTest::addColumn<QStringList>("evaluated");
        QTest::addColumn<QStringList>("history");
        QTest::newRow("longer one first") << QStringList{"1+23", "1+2"} << QStringList{"1+23"};
        QTest::newRow("shorter one first")
            << QStringList{"1+2", "1+23"} << QStringList{"1+2", "1+23"};
        QTest::newRow("same text twice") << QStringList{"7*6", "7*6"} << QStringList{"7*6"};
        QTest::newRow("case ignored")
            << QStringList{"sqrt(4)", "SQRT(4)"} << QStringList{"sqrt(4)"};
        QTest::newRow("failures never enter")
            << QStringList{"1/0", "2+", "ln(0)", "5"} << QStringList{"5"};
        QTest::newRow("unsorted, in order of adding")
            << QStringList{"9", "3", "5"} << QStringList{"9", "3", "5"};
    }

    void historyKeepsOnlyNewPrefixes() {
        QFETCH(QStringList, evaluated);
        QFETCH(QStringList, history);
        for (const QString& text : evaluated)
            Enter(text);
        QCOMPARE(HistoryTexts(), history);
    }

    void selectingHistoryRecallsWithoutEvaluating() {
        Enter(QStringLiteral("1+1"));
        Enter(QStringLiteral("2*5"));
        QCOMPARE(Result()->text(), QStringLiteral("10"));
        const QRect first = History()->visualItemRect(History()->item(0));
        QTest::mouseClick(History()->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(Box()->text(), QStringLiteral("1+1"));
        QVERIFY(Result()->text().isEmpty());
        QTest::keyClick(History(), Qt::Key_Down);
        QCOMPARE(Box()->text(), QStringLiteral("2*5"));
        // Enter on the list evaluates the recalled text.
        QTest::keyClick(History(), Qt::Key_Return);
        QCOMPARE(Result()->text(), QStringLiteral("10"));
        QCOMPARE(History()->count(), 2);
    }

    void keysInsertAtTheCaret_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("digits") << QList<int>{1002, 1017, 1014, 1010} << "100.9" << 5;
        QTest::newRow("operators")
            << QList<int>{1016, 1011, 1012, 1013, 1015, 1021, 1019} << "(+-*/^)" << 7;
        QTest::newRow("powers") << QList<int>{1003, 1020, 1018} << "2^2^3" << 5;
        QTest::newRow("one argument") << QList<int>{1023, 1036} << "sin(sqrt(" << 9;
        QTest::newRow("two arguments") << QList<int>{1029, 1003} << "log(2," << 5;
        QTest::newRow("three arguments") << QList<int>{1030, 1002} << "ci(1,," << 4;
        QTest::newRow("every other function")
            << QList<int>{1022, 1024, 1025, 1026, 1031, 1032, 1033, 1034, 1035, 1037, 1038, 1042}
            << "ceil(cos(tan(cot(lg(ln(arcsin(arccos(arctan(floor(abs(arccot(" << 61;
        QTest::newRow("gcd and lcm") << QList<int>{1027, 1028} << "gcd(lcm(,," << 8;
    }

    void keysInsertAtTheCaret() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, text);
        QFETCH(int, caret);
        for (const int id : keys)
            Press(id);
        QCOMPARE(Box()->text(), text);
        QCOMPARE(Box()->cursorPosition(), caret);
        QCOMPARE(QApplication::focusWidget(), Box());
    }

    void logOfTwoAndEightByKeys() {
        Press(1029);
        Press(1003);
        QTest::keyClick(Box(), Qt::Key_Right);
        Press(1009);
        // The key writes "log(,": the closing parenthesis is the user's.
        QCOMPARE(Box()->text(), QStringLiteral("log(2,8"));
        Press(1019);
        Press(kEqualsKeyId);
        QCOMPARE(Result()->text(), QStringLiteral("3"));
    }

    void aKeyReplacesTheSelection() {
        QTest::keyClicks(Box(), QStringLiteral("12345"));
        Box()->setSelection(1, 2);
        Press(1010);
        QCOMPARE(Box()->text(), QStringLiteral("1945"));
        QCOMPARE(Box()->cursorPosition(), 2);
    }

    void backspace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");  // 0: just the caret at start
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("caret");
        QTest::newRow("caret at the start") << "12345" << 0 << 0 << "12345" << 0;
        QTest::newRow("selection from the start") << "12345" << 0 << 2 << "12345" << 2;
        QTest::newRow("selection and the one before") << "12345" << 2 << 2 << "15" << 1;
        QTest::newRow("caret after 3") << "12345" << 3 << 0 << "1245" << 2;
        QTest::newRow("caret at the end") << "12345" << 5 << 0 << "1234" << 4;
        QTest::newRow("empty box") << "" << 0 << 0 << "" << 0;
    }

    void backspace() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, left);
        QFETCH(int, caret);
        QTest::keyClicks(Box(), text);
        if (length > 0) {
            Box()->setSelection(start, length);
        } else {
            Box()->setCursorPosition(start);
        }
        Press(kBackspaceKeyId);
        QCOMPARE(Box()->text(), left);
        QCOMPARE(Box()->cursorPosition(), caret);
        QVERIFY(!Box()->hasSelectedText());
        QCOMPARE(QApplication::focusWidget(), Box());
    }

    void clearEmptiesBothBoxesButKeepsHistory() {
        Enter(QStringLiteral("4^0.5"));
        QCOMPARE(Result()->text(), QStringLiteral("2"));
        Press(kClearKeyId);
        QVERIFY(Box()->text().isEmpty());
        QVERIFY(Result()->text().isEmpty());
        QCOMPARE(History()->count(), 1);
        QCOMPARE(QApplication::focusWidget(), Box());
    }

    void escapeEmptiesOnlyTheExpression_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("expression box") << "expressionBox";
        QTest::newRow("history") << "historyList";
        QTest::newRow("a key") << "key1005";
        QTest::newRow("a radio button") << "degreesRadio";
    }

    void escapeEmptiesOnlyTheExpression() {
        QFETCH(QString, focus);
        Enter(QStringLiteral("3+4"));
        QTest::keyClicks(Box(), QStringLiteral("*2"));
        QWidget* target = Page()->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(Box()->text().isEmpty());
        QCOMPARE(Result()->text(), QStringLiteral("7"));
        QVERIFY(Page()->isVisible());
    }

    void enterEvaluatesWhereverTheFocusIs() {
        QTest::keyClicks(Box(), QStringLiteral("6/4"));
        Key(1005)->setFocus();
        QTest::keyClick(Key(1005), Qt::Key_Return);
        QCOMPARE(Result()->text(), QStringLiteral("1.5"));
        QCOMPARE(Box()->text(), QStringLiteral("6/4"));  // the key was not pressed
    }

    void boxTakesAtMost1023Characters() {
        Box()->setText(QString(1030, QLatin1Char('1')));
        QCOMPARE(Box()->text().size(), 1023);
        Box()->setText(QString(1022, QLatin1Char('1')));
        Press(1002);
        Press(1003);
        QCOMPARE(Box()->text().size(), 1023);
    }

    void tipsOfBoxesAndKeys() {
        const std::pair<QWidget*, const char*> kBoxes[] = {
            {Box(), "请在此输入表达式"},
            {Result(), "计算结果"},
            {History(), "计算过的表达式将被保存在这里"}};
        for (const auto& [widget, tip] : kBoxes) {
            QCOMPARE(WithoutBreaks(widget->toolTip()), QString::fromUtf8(tip));
            QCOMPARE(widget->toolTipDuration(), 6000);
        }
        int withTips = 0;
        for (const CalculatorKey& key : CalculatorKeys()) {
            CKeyButton* button = Key(key.id);
            QVERIFY(button != nullptr);
            const QString tip = QString::fromUtf8(key.tip.data(), key.tip.size());
            QCOMPARE(WithoutBreaks(button->toolTip()), WithoutBreaks(tip));
            QVERIFY(TipFitsWidth(button->toolTip()));
            if (!tip.isEmpty()) {
                ++withTips;
                QCOMPARE(button->toolTipDuration(), 6000);
            }
        }
        QCOMPARE(withTips, 23);
        // The blank lines of the power tip survive the wrapping.
        QVERIFY(Key(1021)->toolTip().contains(QStringLiteral("乘方\n\nx^y")));
    }

    void keypadLayout() {
        // Every key present with its caption, its two pictures and room on the page.
        for (const CalculatorKey& key : CalculatorKeys()) {
            CKeyButton* button = Key(key.id);
            QCOMPARE(button->text(), QString::fromUtf8(key.caption.data(), key.caption.size()));
            const QString normal = QStringLiteral(":/keys/key%1.svg").arg(key.id);
            const QString pressed = QStringLiteral(":/keys/key%1_down.svg").arg(key.id);
            const QImage up = RenderPicture(normal, button->size(), 1).toImage();
            const QImage down = RenderPicture(pressed, button->size(), 1).toImage();
            QVERIFY2(!up.isNull() && !down.isNull(), qPrintable(normal));
            QVERIFY(up != down);
        }
        // Row 1: four narrower keys, then four wider ones, all on one line.
        const int kRow1[] = {1023, 1024, 1025, 1026, 1033, 1034, 1035, 1042};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(Key(kRow1[i])->y(), Key(1023)->y());
            if (i > 0) QVERIFY(Key(kRow1[i])->x() > Key(kRow1[i - 1])->x());
        }
        QVERIFY(Key(1026)->width() < Key(1033)->width());
        // "=" spans the rows of 4, 1 and 0 at the right of everything.
        QCOMPARE(Key(kEqualsKeyId)->y(), Key(1005)->y());
        QCOMPARE(Key(kEqualsKeyId)->geometry().bottom(), Key(1001)->geometry().bottom());
        QVERIFY(Key(kEqualsKeyId)->x() > Page()->findChild<QWidget*>("degreesRadio")->x());
        // Boxes above the keypad, each across the width.
        QVERIFY(Box()->y() < Result()->y());
        QVERIFY(Result()->y() < History()->y());
        QVERIFY(History()->geometry().bottom() < Key(1023)->y());
        QVERIFY(Box()->width() > 560);
    }

    void boxFontsAreBoldArial() {
        for (QLineEdit* box : {Box(), Result()}) {
            const QFontInfo info(box->font());
            QVERIFY(info.family() == QStringLiteral("Liberation Sans") ||
                    info.family() == QStringLiteral("Arial"));
            QVERIFY(info.bold());
            QCOMPARE(box->font().pixelSize(), 23);
            // Chinese results show in the boxes too.
            QVERIFY(QFontMetrics(box->font()).inFont(QChar(0x9664)));
        }
    }
};

QTEST_MAIN(CalculatorPageTest)
#include "calculator_page_test.moc"
