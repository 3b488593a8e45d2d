// A table as the catalogue tool lists it: its name and its fields with their stored types.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace catalog {

struct TableListing {
    std::string name;
    // Field name and stored type ("TEXT", "INTEGER"; for a Jet file "Text (50)", "Long Integer").
    std::vector<std::pair<std::string, std::string>> fields;
};

} // namespace catalog
