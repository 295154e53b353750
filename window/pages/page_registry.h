// The pages with their commands, toolbar buttons and factories: the one
// place that declares a page.
#pragma once

#include "kit/page_entry.h"

namespace zentova {

PageTableView PageTable();

}  // namespace zentova
