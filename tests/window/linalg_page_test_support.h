// What the linear algebra page tests share: boxes filled and read by object
// name, Enter pressed on a control, and the messages shown meanwhile.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "gui_test_support.h"

namespace zentova::testing {

inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct LinalgPage {
    PageFixture fixture;
    QStringList boxes;  // what Type fills, in order
    QStringList shown;  // what Expect reads after the messages

    QWidget* Find(const QString& name) { return fixture.Find(name); }
    static const char* TextOf(QWidget* box) {
        return qobject_cast<QPlainTextEdit*>(box) != nullptr ? "plainText" : "text";
    }
    // Fills the boxes in order, as far as there are texts; a last text that
    // names a control gets Enter, then Escape, pressed on that control.
    void Type(QStringList texts) {
        QWidget* target = texts.last().isEmpty() ? nullptr : Find(texts.last());
        if (target != nullptr) texts.removeLast();
        for (qsizetype i = 0; i < texts.size() && i < boxes.size(); ++i)
            Find(boxes[i])->setProperty(TextOf(Find(boxes[i])), texts[i]);
        if (target == nullptr) return;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Escape);
    }
    // The messages since the last look ("?" and the caption before a
    // question), then each control of `shown`: a box's text, a list's lines, a
    // drop-down's lines and selected row; all joined by "|".
    QString Shown() {
        QStringList texts;
        for (const RecordingDesktop::Message& m : std::exchange(fixture.desktop.messages, {}))
            texts << (m.question ? QLatin1Char('?') + m.caption : QString()) + m.text;
        for (const QString& name : shown) {
            auto* combo = qobject_cast<QComboBox*>(Find(name));
            auto* list = qobject_cast<QListWidget*>(Find(name));
            for (int i = 0; combo != nullptr && i < combo->count(); ++i)
                texts << combo->itemText(i);
            for (int i = 0; list != nullptr && i < list->count(); ++i)
                texts << list->item(i)->text();
            if (combo != nullptr) texts << QString::number(combo->currentIndex());
            if (combo == nullptr && list == nullptr)
                texts << Find(name)->property(TextOf(Find(name))).toString();
        }
        return texts.join(QLatin1Char('|'));
    }
    void Expect(const QString& typed, const QString& expected) {
        Type(typed.split(QLatin1Char('|')));
        QCOMPARE(Shown(), expected);
    }
};

}  // namespace zentova::testing
