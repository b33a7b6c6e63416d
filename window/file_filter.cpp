#include "window/file_filter.h"

#include <algorithm>
#include <vector>

namespace quodrill {

namespace {

std::vector<std::string_view> splitAtBars(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t bar = text.find('|'); bar != std::string_view::npos;
         bar = text.find('|', start)) {
        fields.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

std::string qtEntry(std::string_view description, std::string_view pattern) {
    std::string patterns(pattern);
    std::replace(patterns.begin(), patterns.end(), ';', ' ');
    const std::string shown = "(" + patterns + ")";
    const std::string given = "(" + std::string(pattern) + ")";
    if (description.ends_with(shown) || description.ends_with(given)) {
        return std::string(description.substr(0, description.size() - given.size())) + shown;
    }
    std::string entry(description);
    if (!entry.empty()) {
        entry += ' ';
    }
    return entry + shown;
}

}  // namespace

std::string toQtNameFilters(std::string_view filter) {
    if (filter.empty()) {
        return {};
    }
    const std::vector<std::string_view> fields = splitAtBars(filter);
    std::string result;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (!result.empty()) {
            result += ";;";
        }
        result += qtEntry(fields[i], fields[i + 1]);
    }
    return result;
}

}  // namespace quodrill
