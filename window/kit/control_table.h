// A form's controls as a table: one row gives a control everything it needs,
// from its identifier and kind to its font and the name a screen reader says.
// Pages and dialogs describe their forms this way; CreateControls builds them.
#pragma once

#include <span>

namespace zentova {

enum class ControlKind {
    Edit,               // one-line box
    ReadOnlyEdit,       // one-line box the user cannot change
    DigitsEdit,         // one-line box that takes only the digits 0 to 9 when typed into
    MultiLineEdit,      // box of many lines, scroll bars as needed
    ReadOnlyMultiLine,  // the same, not changeable
    RichText,           // read-only box of formatted text (small raised exponents)
    List,               // list box with a vertical scroll bar
    ListView,           // rows of columns under a header, whole-row single selection
    VirtualList,        // list of lines made on demand, for very many lines
    Combo,              // drop-down list without typing; the height is the dropped height
    UpDown,             // number box changed only by its arrows and the arrow keys
    Check,              // check box
    Radio,              // radio button
    PushButton,         // push button
    Label,              // static text over the background
    Group,              // group frame over the background
    Key,                // keypad key drawn from its two pictures :/keys/key<id>[_down].svg
    Link,               // hyperlink label
    Icon,               // the application icon
};

// Options of a row, or-ed together.
namespace option {
inline constexpr unsigned kHidden = 1u << 0;            // created but never shown
inline constexpr unsigned kDefault = 1u << 1;           // the default button of its form
inline constexpr unsigned kCentred = 1u << 2;           // text centred (labels, boxes)
inline constexpr unsigned kRightAligned = 1u << 3;      // text at the right (labels, boxes)
inline constexpr unsigned kWrap = 1u << 4;              // long lines wrap (labels, multi-line)
inline constexpr unsigned kSorted = 1u << 5;            // list box keeps its items sorted
inline constexpr unsigned kNoSelection = 1u << 6;       // list box selects nothing
inline constexpr unsigned kHorizontalScroll = 1u << 7;  // list box scrolls sideways as needed
}  // namespace option

// A font by its families in order of preference, pixel size, weight (400
// normal, 700 bold) and stretch in percent of the normal width.
struct FontSpec {
    std::span<const char* const> families;
    int pixelSize;
    int weight = 400;
    int stretch = 100;
};

inline constexpr const char* kArialFamilies[] = {"Arial", "Liberation Sans"};

// Arial given by the two measures the pages' tables size fonts in:
// `cellHeight` pixels from the top of the highest to the bottom of the lowest
// glyph, and characters `averageWidth` pixels wide on average. Arial's ascent
// and descent are 1854 and 434 of 2048 units per em; its average width is 983
// units bold and 904 regular. Liberation Sans shares these metrics.
constexpr FontSpec ArialFont(int cellHeight, int averageWidth, bool bold = true) {
    const int pixels = (cellHeight * 2048 + 1144) / 2288;
    const int average = bold ? 983 : 904;
    const int natural = pixels * average;
    const int stretch = (averageWidth * 2048 * 100 + natural / 2) / natural;
    return {kArialFamilies, pixels, bold ? 700 : 400, stretch};
}

// A column of a list view: its header caption and width in pixels.
struct ListColumn {
    const char* caption;
    int width;
};

// Identifier of a control that nothing looks up by id, such as a label that
// never changes: it stays out of the form's table of controls by id.
inline constexpr int kNoControlId = -1;

struct ControlRow {
    int id;
    ControlKind kind;
    const char* name;         // objectName, stable for tests; "%1" in it stands for the id
    const char* caption;      // UTF-8; "" for none; "&" marks a mnemonic
    int x, y, width, height;  // dialog units; a combo box's height is its dropped height
    // What a screen reader says. nullptr: for a box right after a label, the
    // label's text; otherwise the caption. Both without "&" and a final colon.
    const char* accessibleName = nullptr;
    const FontSpec* font = nullptr;  // nullptr: the form's font
    unsigned options = 0;
    const char* tip = nullptr;   // tooltip and accessible description; nullptr or "" for none
    int maxLength = 0;           // characters the user may type into a box; 0: no limit
    const char* link = nullptr;  // a link's target
    std::span<const ListColumn> columns = {};  // a list view's columns

    constexpr ControlRow WithName(const char* spoken) const {
        ControlRow row = *this;
        row.accessibleName = spoken;
        return row;
    }
    constexpr ControlRow WithFont(const FontSpec& face) const {
        ControlRow row = *this;
        row.font = &face;
        return row;
    }
    constexpr ControlRow WithOptions(unsigned added) const {
        ControlRow row = *this;
        row.options |= added;
        return row;
    }
    constexpr ControlRow WithTip(const char* text) const {
        ControlRow row = *this;
        row.tip = text;
        return row;
    }
    constexpr ControlRow WithLimit(int characters) const {
        ControlRow row = *this;
        row.maxLength = characters;
        return row;
    }
    constexpr ControlRow WithLink(const char* target) const {
        ControlRow row = *this;
        row.link = target;
        return row;
    }
    constexpr ControlRow WithColumns(std::span<const ListColumn> list) const {
        ControlRow row = *this;
        row.columns = list;
        return row;
    }
};

}  // namespace zentova
