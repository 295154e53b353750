// Saving a file so that a failure at any moment leaves the old content whole.
#pragma once

#include <string>
#include <string_view>

namespace zentova {

// Writes `bytes` to a new file in the folder of `path` and renames it over
// `path`, so that `path` holds either its old content or all of the new.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace zentova
