// The thirteen pages with their commands, toolbar buttons and factories.
#pragma once

#include "kit/page_entry.h"

namespace zentova {

PageTableView PageTable();

}  // namespace zentova
