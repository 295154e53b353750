// What a screen reader sees of a CVirtualList: a list whose items are its
// lines (the pinned header included), each named by its text exactly as
// drawn, with its place on the screen while in view, selectable, and
// focused when it is the current line of the focused list. A one-column
// table interface reports rows, the selection and the current line as Qt's
// own list views do.
//
// The list may hold 2^26 + 1 lines, so the item interfaces are made when
// asked for and only the most recent few are kept (Qt's registry of
// interfaces would otherwise grow with every line ever read); an older item
// asked for again is made anew under a new id.
#pragma once

namespace zentova {

// Lets Qt find the interface for every CVirtualList; once per program, and
// each list calls it when made.
void InstallVirtualListAccessibility();

}  // namespace zentova
