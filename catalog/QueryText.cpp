#include "catalog/QueryText.h"

namespace catalog {

std::string quoteText(const std::string& utf8) {
    std::string quoted;
    quoted.reserve(utf8.size() + 2);
    quoted += '"';
    for (const char c : utf8) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace catalog
