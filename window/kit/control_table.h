// A page's controls as a table: kind, identifier, object name, caption and
// place in dialog units. Every page describes its form this way; the base
// page builds the widgets from it.
#pragma once

namespace zentova {

enum class ControlKind {
    Edit,          // one-line box
    ReadOnlyEdit,  // one-line box the user cannot change
    List,          // list box with a vertical scroll bar
    Label,         // transparent static text
    CentredLabel,  // transparent static text, centred
    Radio,         // radio button over the background
    Group,         // transparent group frame
    PushButton,    // ordinary push button
    Key,           // keypad key drawn from its two pictures
    Link,          // hyperlink label
    Icon,          // the application icon
};

struct ControlRow {
    int id;
    ControlKind kind;
    const char* name;     // objectName, stable for tests
    const char* caption;  // UTF-8; "" for none
    int x, y, width, height;
    const char* accessibleName = nullptr;  // nullptr: the caption
};

}  // namespace zentova
