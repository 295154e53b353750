// The determinant page: what lands in the result box, the order box and
// message boxes, and where Enter evaluates.
#include "common/common_messages.h"
#include "input_method.h"
#include "linalg/linalg_messages.h"
#include "linalg_page_test_support.h"

using namespace zentova;
using namespace zentova::testing;

class DeterminantPageTest : public QObject {
    Q_OBJECT
    LinalgPage page_{PageFixture(PageId::Determinant),
                     {"determinantOrderBox", "determinantMatrixBox"},
                     {"determinantResultBox", "determinantOrderBox"}};

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { page_.fixture.Open(); }
    void cleanup() { page_.fixture.Close(); }

    // Messages, then the result and order boxes, after each input in turn.
    void evaluate() {
        QCOMPARE(page_.Shown(), "0|0");
        page_.Expect("1|5|determinantEvaluateButton", "5|1");
        // An order that is no integer: a prompt, nothing evaluated.
        page_.Expect("|7 8|determinantEvaluateButton", Text(msg::kEnterInteger) + "|5|");
        page_.Expect("0|1 2|determinantOrderBox", Text(msg::kEnterDeterminantOrder) + "|5|0");
        page_.Expect("02|1 2 3|determinantOrderBox", Text(msg::kDeterminantCountWrong) + "|5|02");
        page_.Expect("02|0 1 1 0|determinantMatrixBox", "5|02");
        page_.Expect("02|0 1 1 0|determinantEvaluateButton", "-1|2");
        // A token that is no number: a message box, the result stays.
        page_.Expect("2|1/2 1 1 1|determinantEvaluateButton",
                     "第 1 个数“1/2”（第 1 行第 1 列）不是数字。|-1|2");
    }

    // The matrix committed by an input method, full-width digits, commas and
    // minus sign, reads as typed in ASCII.
    void inputMethodMatrix() {
        page_.Type({"2", ""});
        auto* box = page_.Find("determinantMatrixBox");
        CommitText(box, QStringLiteral("１，２，"));
        CommitText(box, QStringLiteral("－３，４"));
        page_.Type({"determinantEvaluateButton"});
        QCOMPARE(page_.Shown(), "10|2");
    }
};

QTEST_MAIN(DeterminantPageTest)
#include "determinant_page_test.moc"
