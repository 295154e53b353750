// Every box of every page given what no person would type, and every button
// of the page pressed: each answers in bounded time, nothing crashes, nothing
// hangs. Wiring only: what the answers say is the core's to test.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

#include "gui_test_support.h"
#include "kit/page_base.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;

namespace {

// What a handler may take on the window's thread; sanitizer builds run our
// code many times slower.
#ifdef __SANITIZE_ADDRESS__
constexpr int kBoundMs = 10000;
#else
constexpr int kBoundMs = 2000;
#endif

// Values that take the buttons past their first checks, so that the nasty
// text in another box reaches the computation.
const QHash<QString, QString> kWorkable = {
    {"determinantOrderBox", "2"}, {"systemUnknownsBox", "2"}, {"nodeCountBox", "3"},
    {"matrixRowsBox", "2"},       {"matrixColsBox", "2"},     {"matrixNameBox", "A"},
    {"exprParameterBox", "1 2"},  {"formula1Box", "A>B"},     {"formula2Box", "B"}};

// A box lays a line out whole: one line of a megabyte takes a second to
// paste, two megabytes in lines of ordinary length a fraction of that.
QString Nasty(const QString& kind) {
    if (kind == "megabytes") return (QString("1 2 3 ").repeated(12) + "-1e300 x\n").repeated(25000);
    if (kind == "zero") return QString::fromLatin1("1 \0 2\0\0x*A", 10).repeated(1000);
    if (kind == "surrogates") return QString("1 %1 2 %2x").arg(QChar(0xD800), QChar(0xDFFF));
    QString text;
    for (QRandomGenerator random(7); kind == "random" && text.size() < 2000;)
        text += QChar(static_cast<char16_t>(random.bounded(1, 0x10000)));
    return text;
}

// Every box the person can type into: one-line and multi-line boxes alike.
QList<QWidget*> EditableBoxes(QWidget* page) {
    QList<QWidget*> boxes;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        const bool box = widget->inherits("QLineEdit") || widget->inherits("QPlainTextEdit") ||
                         widget->inherits("QTextEdit");
        if (box && !widget->property("readOnly").toBool() && widget->isVisibleTo(page))
            boxes << widget;
    }
    return boxes;
}

QString TextOf(QWidget* box) {
    return box->property(box->inherits("QLineEdit") ? "text" : "plainText").toString();
}

// As the person pastes, within the box's own limit.
void Paste(QWidget* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QMetaObject::invokeMethod(box, text.isEmpty() ? "clear" : "selectAll");
    if (!text.isEmpty()) QMetaObject::invokeMethod(box, "paste");
}

bool OffersToStop(QWidget* page) {
    const QList<QAbstractButton*> buttons = page->findChildren<QAbstractButton*>();
    return std::any_of(buttons.cbegin(), buttons.cend(),
                       [](QAbstractButton* button) { return button->text().startsWith("停止"); });
}

}  // namespace

class PageBoundsTest : public QObject {
    Q_OBJECT
    FrameFixture fixture_;

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { fixture_.Open(); }
    void cleanup() { fixture_.Close(); }

    void everyButtonAnswersWhateverTheBoxesHold_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"empty", "megabytes", "zero", "surrogates", "random"})
            QTest::newRow(kind) << QString(kind);
    }

    void everyButtonAnswersWhateverTheBoxesHold() {
        QFETCH(QString, kind);
        const QString nasty = Nasty(kind);
        // The expression dialog takes the text too, then a workable item, so
        // that the custom expression page has one to compute with.
        fixture_.desktop.onModal = [&](QDialog& dialog) {
            // Opening another file asks first about the unsaved formulas:
            // they are kept, and the open goes no further.
            if (dialog.findChild<QAbstractButton*>("exprNameOkButton") == nullptr) {
                return int(QMessageBox::Cancel);
            }
            for (const QString& text : {nasty, QString("a+b")}) {
                for (QWidget* box : EditableBoxes(&dialog))
                    Paste(box, text);
                dialog.findChild<QAbstractButton*>("exprNameOkButton")->click();
            }
            return dialog.result();
        };
        CZentovaView* view = fixture_.frame->View();
        for (int index = 0; index < view->PageCount(); ++index) {
            view->ShowPage(index);
            CPageBase* page = view->Page(index);
            const QList<QWidget*> boxes = EditableBoxes(page);
            QHash<QWidget*, QString> workable;
            for (QWidget* box : boxes)
                workable[box] = kWorkable.value(box->objectName(), TextOf(box));
            for (QWidget* target : boxes) {
                for (QWidget* box : boxes)
                    Paste(box, box == target ? nasty : workable[box]);
                QCoreApplication::processEvents();
                for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
                    if (!button->isVisibleTo(page) || !button->isEnabled()) continue;
                    QElapsedTimer clock;
                    clock.start();
                    button->click();
                    QCoreApplication::processEvents();
                    QVERIFY2(clock.elapsed() < kBoundMs,
                             qPrintable(target->objectName() + " " + button->objectName()));
                }
            }
            // Work handed to a worker ends too: no button still offers to stop it.
            QTRY_VERIFY_WITH_TIMEOUT(!OffersToStop(page), kBoundMs);
        }
    }
};

QTEST_MAIN(PageBoundsTest)
#include "page_bounds_test.moc"
