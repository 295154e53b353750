// What a Chinese input method hands a box is a commit string, not keys.
#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QString>
#include <QWidget>

namespace zentova::testing {

inline void CommitText(QWidget* box, const QString& text) {
    box->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

}  // namespace zentova::testing
