// Converts the file-open dialog's filter from "description|pattern|..." pairs into Qt's name
// filter form "description (patterns);;...".
#pragma once

#include <string>
#include <string_view>

namespace quodrill {

// Patterns separated by ";" become Qt's space-separated list. A description that already ends
// with its patterns in parentheses is kept as it is, so they are not shown twice. A description
// without a pattern is dropped.
std::string toQtNameFilters(std::string_view filter);

}  // namespace quodrill
