// The custom expression page through its widgets: the name dialog's checks,
// which command refuses what, Enter, the selection, the file dialogs, the
// question before unsaved formulas are lost, copying lines and `zentova FILE`.
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "gui_test_support.h"
#include "pages/custom_expr_page.h"
#include "pages/expr_name_dlg.h"
#include "shell/startup_script.h"
#include "shell/zentova_view.h"

using namespace zentova;
using namespace zentova::testing;
using Items = std::vector<ExpressionItem>;

class CustomExprPageTest : public QObject {
    Q_OBJECT
    PageFixture fixture_{PageId::CustomExpr};
    CCustomExprPage* page_ = nullptr;

    void Click(const char* button) { page_->findChild<QPushButton*>(button)->click(); }
    QString Result() { return page_->findChild<QLineEdit*>("exprResultBox")->text(); }
    QString Name() { return page_->findChild<QPlainTextEdit*>("exprNameBox")->toPlainText(); }
    void Select(int row) {
        auto* list = page_->findChild<QTreeView*>("exprList");
        list->setCurrentIndex(list->model()->index(row, 0));
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
    // Answers the question about unsaved formulas with `button` and records
    // its text and buttons.
    void Answer(QMessageBox::StandardButton button) {
        fixture_.desktop.onModal = [this, button](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            QStringList shown{box.text()};
            for (auto b : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                shown << box.button(b)->text();
            asked_ << shown.join('|');
            return int(button);
        };
    }
    QStringList asked_;

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
        page_ = fixture_.Shown<CCustomExprPage>();
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

    // Only formulas no file has are asked about: after a save or an open,
    // and for an emptied list, nothing is asked.
    void unsavedFormulasAreAskedAboutBeforeClosingOrOpening() {
        QTemporaryDir folder;
        const QString saved = folder.filePath("list.zexp");
        QVERIFY(fixture_.frame->close());  // nothing changed yet
        fixture_.frame->show();
        Add({"a"}, {"a+1"});
        Answer(QMessageBox::Cancel);
        QVERIFY(!fixture_.frame->close());
        fixture_.desktop.filesToOpen << saved;
        Click("exprOpenButton");  // cancelled as well: no file dialog
        QCOMPARE(fixture_.desktop.fileDialogs, 0);
        Answer(QMessageBox::Save);
        fixture_.desktop.filesToSave << folder.filePath("list");  // no suffix: .zexp is added
        QVERIFY(fixture_.frame->close());
        QCOMPARE(fixture_.desktop.fileTypes.filter,
                 QStringLiteral("表达式文件 (*.zexp);;所有文件 (*)"));
        QCOMPARE(ReadExpressionFile(saved.toStdString()).items, page_->Items());
        QCOMPARE(asked_, QStringList(3, "表达式列表已修改，是否保存？|保存|不保存|取消"));
        fixture_.frame->show();
        Add({"b"}, {"b"});
        Answer(QMessageBox::Discard);
        Click("exprOpenButton");  // the file's list replaces the unsaved one
        QCOMPARE(page_->Items(), (Items{{"a", "a+1"}}));
        QVERIFY(fixture_.frame->close());
        QCOMPARE(asked_.size(), 4);
    }

    void ctrlCCopiesTheSelectedLineOrEveryLine() {
        Add({"first"}, {"a"});
        Add({"面积"}, {"a*b/2"});
        auto* list = page_->findChild<QTreeView*>("exprList");
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fixture_.desktop.clipboard, QStringLiteral("面积\ta*b/2\nfirst\ta\n"));
        Select(1);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fixture_.desktop.clipboard, QStringLiteral("first\ta\n"));
    }

    // `zentova FILE` names the file as the one word that is no option; the
    // page shows its list or the reason it cannot be read.
    void aFileOnTheCommandLineOpensOnThePage() {
        QTemporaryDir folder;
        const QString path = folder.filePath("formulas");  // no suffix needed to open
        QVERIFY(WriteExpressionFile(path.toStdString(), Items{{"x", "x^2"}}).empty());
        const int pages = fixture_.View().PageCount();
        const StartupScript script = ParseStartupScript({"zentova", "--page", "7", path}, pages);
        QCOMPARE(script.file, path);
        QVERIFY(!ParseStartupScript({"zentova", path, path}, pages).error.isEmpty());
        page_->OpenFile(script.file);
        page_->OpenFile(folder.filePath("none"));
        QCOMPARE(page_->findChild<QTreeView*>("exprList")->model()->index(0, 1).data().toString(),
                 QStringLiteral("x^2"));
        QCOMPARE(Messages(), QStringList({"无法读取表达式文件"}));
    }
};

QTEST_MAIN(CustomExprPageTest)
#include "custom_expr_page_test.moc"
