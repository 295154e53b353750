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

// True for the kinds that hold a value (text boxes, lists, drop-downs, number
// boxes) rather than act (buttons) or name (labels).
bool IsBox(ControlKind kind);

// A caption as a screen reader should say it: without the mnemonic, be it
// "&" inside the text or a "(&X)" after it, and without a final colon.
QString SpokenText(const QString& caption);

// Changes the caption of a button, group frame or label after its form was
// built, and with it the name a screen reader says (`spoken`, or SpokenText of
// the caption when that is empty), which the screen reader is told about.
// Every caption change goes through here, so that what a person hears never
// lags behind what the control reads.
void SetCaption(QWidget& control, const QString& caption, const QString& spoken = {});

}  // namespace zentova
