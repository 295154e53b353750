// Typing through an input method: what a Chinese input method hands a box
// when the user picks a candidate is a commit string, not key presses.
#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QString>
#include <QWidget>

namespace zentova::testing {

// Commits `text` into `box` at its cursor, as an input method does.
inline void CommitText(QWidget* box, const QString& text) {
    box->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

}  // namespace zentova::testing
