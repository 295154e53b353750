// The custom expression page through its widgets: the name dialog's checks,
// which command refuses what, Enter, the selection, and the file dialogs.
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "gui_test_support.h"
#include "pages/custom_expr_page.h"
#include "pages/expr_name_dlg.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;
using Items = std::vector<ExpressionItem>;

class CustomExprPageTest : public QObject {
    Q_OBJECT
    FrameFixture fixture_;
    CCustomExprPage* page_ = nullptr;

    void Click(const char* button) { page_->findChild<QPushButton*>(button)->click(); }
    QString Result() { return page_->findChild<QLineEdit*>("exprResultBox")->text(); }
    QString Name() { return page_->findChild<QPlainTextEdit*>("exprNameBox")->toPlainText(); }
    void Select(int row) {
        auto* list = page_->findChild<QTreeWidget*>("exprList");
        list->setCurrentItem(list->topLevelItem(row));
    }
    // The next command's dialog gets one pair of texts for each press of OK.
    void Add(QStringList names, QStringList expressions, const char* button = "exprAddButton") {
        fixture_.desktop.onModal = [=](QDialog& dialog) mutable {
            while (dialog.result() != QDialog::Accepted && !names.isEmpty()) {
                static_cast<CExprNameDlg&>(dialog).SetName(names.takeFirst());
                static_cast<CExprNameDlg&>(dialog).SetExpression(expressions.takeFirst());
                dialog.findChild<QPushButton*>("exprNameOkButton")->click();
            }
            return dialog.result();
        };
        Click(button);
    }
    QStringList Messages() {
        QStringList texts;
        for (const auto& message : std::exchange(fixture_.desktop.messages, {}))
            texts << message.text;
        return texts;
    }

  private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        fixture_.Open();
        fixture_.frame->View()->ShowPage(7);
        page_ = qobject_cast<CCustomExprPage*>(fixture_.frame->View()->Page(7));
    }
    void cleanup() { fixture_.Close(); }

    void dialogChecksAndTheChoiceFollowsItsExpression() {
        Add({"", "", QString(50, QChar(0x9762)), "first"}, {"", "a", "a", "a+b"});
        QCOMPARE(Messages(), QStringList({"请输入表达式", "请输入表达式名称",
                                          "表达式名称不能超过 99 个字节（GBK 编码）"}));
        Add({"second"}, {"a*b"});
        Select(1);
        Add({"third"}, {"a"});
        QCOMPARE(page_->Items(), (Items{{"third", "a"}, {"second", "a*b"}, {"first", "a+b"}}));
        QCOMPARE(Name(), QStringLiteral("first"));
        Add({"renamed"}, {"a+b"}, "exprModifyButton");
        QCOMPARE(Name(), QStringLiteral("renamed"));
    }

    void commandsRefuseInTheirOrderAndEnterComputes() {
        for (auto* b : {"exprModifyButton", "exprDeleteButton", "exprSaveButton"})
            Click(b);
        Add({"sum"}, {"a*b+c"});
        for (auto* b : {"exprModifyButton", "exprDeleteButton", "exprComputeButton"})
            Click(b);
        Select(0);
        Click("exprComputeButton");
        QCOMPARE(Messages(),
                 QStringList({"无表达式可修改", "无表达式可删除", "表达式列表中没有表达式可存储",
                              "请选择表达式", "请选择表达式", "请选择表达式", "请输入参数表"}));
        page_->findChild<QLineEdit*>("exprParameterBox")->insert(QStringLiteral("1, 2，3"));
        QTest::keyClick(page_->findChild<QLineEdit*>("exprParameterBox"), Qt::Key_Return);
        QCOMPARE(Result(), QStringLiteral("5"));
        Click("exprDeleteButton");  // answered No
        fixture_.desktop.answer = true;
        Click("exprDeleteButton");
        QVERIFY(page_->Items().empty() && Result().isEmpty() && Name().isEmpty());
        QCOMPARE(fixture_.desktop.messages.first().caption, QStringLiteral("Confirm"));
        QCOMPARE(Messages(), QStringList({"确实要删除吗？", "确实要删除吗？"}));
    }

    void savesTheFileBytesAndAFailedSaveOrUnreadableFileChangesNothing() {
        QTemporaryDir folder;
        Add({"面积"}, {"a*b/2"});
        Add({"x"}, {"x^2"});
        Select(1);
        const Items before = page_->Items();
        // The second save names a file under the first, which no disk can hold.
        fixture_.desktop.filesToSave << folder.filePath("list.exp")
                                     << folder.filePath("list.exp/list.exp");
        fixture_.desktop.filesToOpen << folder.filePath("list.exp") << folder.filePath("none");
        Click("exprSaveButton");
        Click("exprSaveButton");
        QFile file(folder.filePath("list.exp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), EncodeExpressionFile(before).bytes);
        Click("exprOpenButton");
        QVERIFY(page_->Items() == before && page_->Remembered() == -1 && Name().isEmpty());
        for (int i = 0; i < 2; ++i)
            Click("exprOpenButton");  // the missing file, then the cancelled dialog
        QCOMPARE(Messages(), QStringList({"无法写入表达式文件", "无法读取表达式文件"}));
        QCOMPARE(page_->Items(), before);
    }
};

QTEST_MAIN(CustomExprPageTest)
#include "custom_expr_page_test.moc"
