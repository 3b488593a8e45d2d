// The one error type of the catalogue layer.
//
// Error policy of catalog/: every failing operation throws CatalogError with a
// clear English description naming the file, the table or field and what went
// wrong. Destructors never throw. Callers (the forms) catch it at the event
// boundary and show their own stage message.
#pragma once

#include <stdexcept>
#include <string>

namespace catalog {

class CatalogError : public std::runtime_error {
public:
    explicit CatalogError(const std::string& description) : std::runtime_error(description) {}
};

} // namespace catalog
