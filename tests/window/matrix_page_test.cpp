// The matrix workbench: the four name lists and their selections after add,
// overwrite, select and delete, the questions answered yes and no, and what
// the editor boxes show after each operation.
#include <QCheckBox>

#include "common/common_messages.h"
#include "linalg/linalg_messages.h"
#include "linalg_page_test_support.h"

using namespace zentova;
using namespace zentova::testing;

class MatrixPageTest : public QObject {
    Q_OBJECT
    LinalgPage page_{PageFixture(PageId::Matrix),
                     {"matrixTextBox", "matrixNameBox", "matrixRowsBox", "matrixColsBox"},
                     {}};

    void Pick(const char* combo, int row) {
        qobject_cast<QComboBox*>(page_.Find(combo))->setCurrentIndex(row);
        emit qobject_cast<QComboBox*>(page_.Find(combo))->activated(row);
    }

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        page_.shown =
            page_.boxes + QStringList{"matrixRankBox", "matrixCurrentCombo", "matrixFirstCombo"};
        page_.fixture.Open();
        QCOMPARE(page_.Shown(), "||0|0|0|-1|-1");
    }
    void cleanup() { page_.fixture.Close(); }

    // Messages, then the editor boxes, the current and first-operand lists.
    void listsFollowAddOverwriteSelectAndDelete() {
        // Each matrix ends in its own number, A in 1, B in 2 (its letter, a
        // word, read as 0 before and is refused now). Enter adds on the button
        // only.
        for (const char* name : {"A", "B", "C", "D"})
            page_.Type({"1 2 3 " + QString::number(name[0] - 'A' + 1), name, "1", "4",
                        "matrixRowsBox", "matrixAddButton"});
        for (const char* combo : {"matrixFirstCombo", "matrixSecondCombo", "matrixUnaryCombo"})
            Pick(combo, 0);
        Pick("matrixCurrentCombo", 1);
        QCOMPARE(page_.Shown(), "1 2 3 2|B|1|4|0|A|B|C|D|1|A|B|C|D|0");
        const QString lists = "|A|B|C|D|1|A|B|C|D|0";
        const QString asked = "?矩阵b已存在，是否覆盖？|";
        page_.Expect(" 5 6 7 8 |b|2|2|matrixAddButton", asked + " 5 6 7 8 |b|2|2|0" + lists);
        page_.fixture.desktop.answer = true;
        qobject_cast<QCheckBox*>(page_.Find("matrixAutoFormatCheck"))->setChecked(true);
        page_.Expect(" 5 6 7 8 |b|2|2|matrixAddButton", asked + "5,6,\n7,8\n|b|2|2|0" + lists);
        page_.Expect("matrixDeleteButton",
                     "?" + Text(msg::kConfirmDeleteMatrix) + "|1 2 3 3|C|1|4|0|A|C|D|1|A|C|D|0");
        Pick("matrixCurrentCombo", 2);
        QCOMPARE(page_.Shown(), "1 2 3 4|D|1|4|0|A|C|D|2|A|C|D|0");
        for (int i = 0; i < 3; ++i)
            page_.Type({"matrixDeleteButton"});
        page_.fixture.desktop.messages.clear();
        page_.Expect("matrixDeleteButton", Text(msg::kMatrixListEmpty) + "|||0|0|0|-1|-1");
    }

    void operationsWriteTheEditorOrKeepTheTyping() {
        const QString typed = "typed|T|3|3|";
        const std::pair<int, QString> kCases[] = {
            {-1, "matrixPlusButton|" + Text(msg::kChooseOperands) + "|typed|T|3|3|0"},
            {-1, "matrixEchelonButton|" + Text(msg::kChooseOperands) + "|1 2 2 4|S|2|2|0"},
            {0, "matrixTimesButton|" + Text(msg::kProductShapeWrong) + "|1 2 2 4|S|2|2|0"},
            {1, "matrixInvertButton|" + Text(msg::kNotInvertible) + "|typed|T|3|3|0"},
            {1, "matrixEchelonButton|1,2,\n0,0|Echelon|2|2|1"},
        };
        page_.shown = page_.boxes + QStringList{"matrixRankBox"};
        page_.Type({"1 2 3 4 5 6", "W", "2", "3", "matrixAddButton"});
        page_.Type({"1 2 2 4", "S", "2", "2", "matrixAddButton"});
        for (const auto& [operand, expected] : kCases) {  // the first and unary operand; S second
            Pick("matrixFirstCombo", operand);
            Pick("matrixUnaryCombo", operand);
            Pick("matrixSecondCombo", operand < 0 ? -1 : 1);
            page_.Expect(typed + expected.section('|', 0, 0), expected.section('|', 1));
        }
    }

    // A size box without an integer prompts and nothing is added; what was
    // typed stays as typed.
    void sizeWithoutIntegerKeepsTyping() {
        page_.Type({"1 2 3 4", "A", "2", "2", "matrixAddButton"});
        page_.Expect("5 6 7 8|B|2||matrixAddButton",
                     Text(msg::kEnterInteger) + "|5 6 7 8|B|2||0|A|0|A|-1");
    }
};

QTEST_MAIN(MatrixPageTest)
#include "matrix_page_test.moc"
