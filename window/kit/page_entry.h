// What the shell is told about a page: the command that shows it, its toolbar
// button and the factory that makes it. The pages hand the shell a table of
// these in page-index order; its order alone gives each page its index, its
// place in the creation order and its place on the toolbar, so the kit and
// the shell know neither how many pages there are nor which is which.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

class QWidget;

namespace zentova {

class CDesktop;
class CPageBase;

enum class ToolbarSet { A, B };

using PageFactory = CPageBase* (*)(CDesktop& desktop, QWidget* parent);

struct PageEntry {
    int command;
    const char* shortName;  // "" for the cover page
    ToolbarSet set;
    const char* icon;  // resource path of its 48 x 48 picture
    const char* tip;   // the button's tooltip
    PageFactory create;
};

// The table, indexed by page index.
using PageTableView = std::span<const PageEntry>;

// The cover page is the one without a short name. It is made first and
// leads its toolbar set, so that the window opens on it.
constexpr bool IsCover(const PageEntry& entry) {
    return entry.shortName[0] == '\0';
}

// What a screen reader calls a page and its button: the short name, and for
// the cover page, which has none, "封面".
inline constexpr char kCoverName[] = "封面";
constexpr const char* SpokenName(const PageEntry& entry) {
    return IsCover(entry) ? kCoverName : entry.shortName;
}

// The page indexes with the cover first, then the others in table order:
// the order the pages are made in, and within each set the order of their
// buttons.
inline std::vector<int> CoverFirst(PageTableView pages) {
    std::vector<int> order;
    for (const bool cover : {true, false}) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (IsCover(pages[i]) == cover) order.push_back(static_cast<int>(i));
        }
    }
    return order;
}

// The buttons that swap the sets: "下一页" ends set A, "上一页" starts set B.
struct SetSwitchEntry {
    int command;
    const char* name;  // the button's object name
    const char* icon;
    const char* tip;
};
inline constexpr SetSwitchEntry kNextSetButton{32789, "nextSetButton", ":/res/toolbar/next_set.svg",
                                               "下一页"};
inline constexpr SetSwitchEntry kPreviousSetButton{32790, "previousSetButton",
                                                   ":/res/toolbar/previous_set.svg", "上一页"};

}  // namespace zentova
