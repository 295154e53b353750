// The polynomial page: where a product and a message land, the states with
// their captions, a stop that keeps the old result, closing while it runs.
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "gui_test_support.h"
#include "input_method.h"
#include "pages/polynomial_page.h"
#include "shell/zentova_view.h"

using State = zentova::CPolynomialPage::State;
const QString kLetters = QStringLiteral("a+b+c+d+e+f+g+h+i+j+k+l+m+n+o+p+q+r+s+t+u+v+w+x+y+z*");

class PolynomialPageTest : public QObject {
    Q_OBJECT
    zentova::testing::PageFixture fixture_{zentova::testing::PageId::Polynomial};
    zentova::CPolynomialPage* page_ = nullptr;
    QPlainTextEdit *input_ = nullptr, *product_ = nullptr;
    QPushButton* button_ = nullptr;

    void Compute(const QString& input) {
        input_->setPlainText(input);
        QTest::mouseClick(button_, Qt::LeftButton);
    }

  private slots:
    void initTestCase() { zentova::testing::PrepareApplication(); }
    void init() {
        fixture_.Open();
        page_ = fixture_.Shown<zentova::CPolynomialPage>();
        input_ = fixture_.Find<QPlainTextEdit>(QStringLiteral("polynomialBox"));
        product_ = fixture_.Find<QPlainTextEdit>(QStringLiteral("productBox"));
        button_ = fixture_.Find<QPushButton>(QStringLiteral("computeButton"));
    }
    void cleanup() { fixture_.Close(); }

    // A product committed in full-width forms by an input method.
    void inputMethodProduct() {
        zentova::testing::CommitText(input_, QStringLiteral("ａ＋ｂ＊ａ－ｂ"));
        QTest::mouseClick(button_, Qt::LeftButton);
        QTRY_COMPARE(product_->toPlainText(), QStringLiteral("a2-b2"));
        QCOMPARE(input_->toPlainText(), QStringLiteral("ａ＋ｂ＊ａ－ｂ"));
    }

    // Typeset while displaying, when a click does nothing; a refusal and an
    // overflow keep the product.
    void productShowsTypeset() {
        auto* box = page_->findChild<QTextEdit*>(QStringLiteral("typesetBox"));
        QList<State> seen;
        connect(box, &QTextEdit::textChanged, this, [&] { seen << page_->state(); });
        connect(box, &QTextEdit::textChanged, page_, &zentova::CPolynomialPage::Compute);
        Compute(QStringLiteral("a2-b2*x2y3-xy2"));
        QTRY_COMPARE(box->toPlainText(), QStringLiteral("a2x2y3 - a2xy2 - b2x2y3 + b2xy2"));
        QVERIFY(!seen.isEmpty() && seen.count(State::Displaying) == seen.size());
        // The exponents are superscript, which accessibility reports, where
        // they used to be merely raised by a baseline offset.
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(box)->textInterface();
        int start = 0, end = 0;
        QVERIFY(text->attributes(1, &start, &end).contains(u"text-position:super"));
        QVERIFY(start == 1 && end == 2);
        QVERIFY(text->attributes(0, &start, &end).contains(u"text-position:baseline"));
        // A product of many lines: one paragraph a line, nothing lost.
        Compute(kLetters.chopped(1) + QStringLiteral("*a+b"));
        QTRY_COMPARE(page_->findChild<QLineEdit*>("termCountBox")->text(), QStringLiteral("51"));
        QVERIFY(box->document()->blockCount() > 2);
        QCOMPARE(box->toPlainText().remove(u'\n'), product_->toPlainText()
                                                       .replace(u'-', QStringLiteral(" - "))
                                                       .replace(u'+', QStringLiteral(" + ")));
        Compute(QStringLiteral("a2-b2*x2y3-xy2"));
        QTRY_COMPARE(product_->toPlainText(), QStringLiteral("a2x2y3-a2xy2-b2x2y3+b2xy2"));
        Compute(QStringLiteral("A*b"));
        Compute(kLetters + kLetters + QStringLiteral("1+a+b+c+d*1"));  // too wide to go on
        QTRY_COMPARE(fixture_.desktop.messages.size(), 2);
        QCOMPARE(fixture_.desktop.messages[0].text + fixture_.desktop.messages[1].text,
                 QStringLiteral("表达式输入不正确。表达式项数过多，计算溢出。"));
        QCOMPARE(product_->toPlainText() + page_->findChild<QLineEdit*>("termCountBox")->text(),
                 QStringLiteral("a2x2y3-a2xy2-b2x2y3+b2xy24"));
    }

    // The mnemonics start and stop; a stop ends the run before the click
    // returns and keeps the old result; the closing window stops a run.
    void longRunsStop() {
        Compute(QStringLiteral("a-b*a+b"));
        QTRY_COMPARE(product_->toPlainText(), QStringLiteral("a2-b2"));
        // About a second of products of 1327 terms, nearly as wide as may be.
        QString chain = kLetters + kLetters + QStringLiteral("1+a+b+c");
        while (chain.size() < 4998)
            chain += QStringLiteral("*1");
        input_->setPlainText(chain);
        QTest::keyClick(input_, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(button_->text(), QStringLiteral("停止(&S)"));
        QVERIFY(page_->state() == State::Running &&
                button_->shortcut() == QKeySequence(Qt::ALT | Qt::Key_S));
        QTest::mouseClick(button_, Qt::LeftButton);
        QCOMPARE(page_->state(), State::Idle);
        QCOMPARE(button_->text(), QStringLiteral("计算(&P)"));
        QTest::qWait(100);
        QCOMPARE(product_->toPlainText(), QStringLiteral("a2-b2"));
        Compute(chain);
        fixture_.frame.reset();
    }
};

QTEST_MAIN(PolynomialPageTest)
#include "polynomial_page_test.moc"
