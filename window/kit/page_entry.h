// The thirteen pages: index, the command that shows each, its toolbar button
// and the factory that makes it. The view, the toolbar and the tests all walk
// this one table; a page that is built replaces its factory entry.
#pragma once

#include <array>
#include <span>

class QWidget;

namespace zentova {

class CDesktop;
class CPageBase;

enum class ToolbarSet { A, B };

using PageFactory = CPageBase* (*)(CDesktop& desktop, QWidget* parent);

struct PageEntry {
    int index;
    int command;
    const char* shortName;  // "" for the cover page
    ToolbarSet set;
    int button;        // position in its toolbar set
    const char* icon;  // resource path of its 48 x 48 picture
    const char* tip;   // the button's tooltip
    PageFactory create;
};

// What a screen reader calls a page and its button: the short name, and for
// the cover page, which has none, "封面".
inline constexpr char kCoverName[] = "封面";
constexpr const char* SpokenName(const PageEntry& entry) {
    return entry.shortName[0] != '\0' ? entry.shortName : kCoverName;
}

inline constexpr int kPageCount = 13;
inline constexpr int kCoverPageIndex = 11;
inline constexpr int kNextSetCommand = 32789;
inline constexpr int kPreviousSetCommand = 32790;

// The buttons that swap the sets: "下一页" ends set A, "上一页" starts set B.
struct SetSwitchEntry {
    int command;
    ToolbarSet set;
    int button;
    const char* icon;
    const char* tip;
};
inline constexpr SetSwitchEntry kNextSetButton{kNextSetCommand, ToolbarSet::A, 9,
                                               ":/res/toolbar/next_set.svg", "下一页"};
inline constexpr SetSwitchEntry kPreviousSetButton{kPreviousSetCommand, ToolbarSet::B, 0,
                                                   ":/res/toolbar/previous_set.svg", "上一页"};

inline constexpr int ButtonCount(ToolbarSet set) {
    return set == ToolbarSet::A ? 10 : 5;
}

// The table, indexed by page index. The pages provide it; the shell walks it
// without knowing any page.
using PageTableView = std::span<const PageEntry, kPageCount>;

// The cover page first, then 0 to 10, then the logic page.
inline constexpr std::array<int, kPageCount> kCreationOrder{11, 0, 1, 2, 3,  4, 5,
                                                            6,  7, 8, 9, 10, 12};

}  // namespace zentova
