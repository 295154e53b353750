// Builds a form's widgets from its control table, for pages and dialogs alike.
#pragma once

#include <QFont>
#include <QMap>
#include <QString>
#include <span>

#include "kit/control_table.h"

class QWidget;

namespace zentova {

class CDesktop;

// The widgets of a form by control identifier.
using ControlMap = QMap<int, QWidget*>;

// Creates the controls of `rows` as children of `parent`, in table order,
// which is also the tab order, and returns those with an identifier. Every
// control keeps its identifier in the property "controlId". A box right after
// a label becomes the label's buddy, so that the label's mnemonic reaches it.
ControlMap CreateControls(QWidget& parent, std::span<const ControlRow> rows, CDesktop& desktop);

QFont MakeFont(const FontSpec& face);

// A caption as a screen reader should say it: without the mnemonic, be it
// "&" inside the text or a "(&X)" after it, and without a final colon.
QString SpokenText(const QString& caption);

}  // namespace zentova
