#include "workbench/dialogfilter.h"

#include <vector>

namespace dialogfilter {

std::string toQtFilter(std::string_view filter) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }

    std::string result;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        std::string entry(parts[i]);
        if (i + 1 < parts.size()) {
            std::string patterns(parts[i + 1]);
            for (char& c : patterns) {
                if (c == ';') c = ' ';
            }
            if (entry.find("(" + patterns + ")") == std::string::npos) {
                entry += " (" + patterns + ")";
            }
        }
        if (!result.empty()) result += ";;";
        result += entry;
    }
    return result;
}

}  // namespace dialogfilter
