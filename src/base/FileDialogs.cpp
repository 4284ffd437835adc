#include "base/FileDialogs.h"

namespace voltaro {

std::vector<std::string> NameFiltersOf(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string::npos) bar = filter.size();
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<std::string> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        const std::string& pattern = parts[i + 1];
        // The dialog reads the patterns from the parentheses of the description.
        if (description.find("(" + pattern + ")") != std::string::npos)
            out.push_back(description);
        else
            out.push_back(description + " (" + pattern + ")");
    }
    return out;
}

}  // namespace voltaro
