// One parsed query of the catalogue query language.
#pragma once

#include "catalog/FieldValue.h"

#include <optional>
#include <string>
#include <vector>

namespace catalog {

struct Condition {
    enum class Kind { Equal, Like };
    std::string field;
    Kind kind = Kind::Equal;
    // The constant: a text (from quotes) or a number (bare); a Like pattern is a text.
    FieldValue constant;
};

struct SelectQuery {
    bool distinct = false;
    // Empty for "*".
    std::vector<std::string> fields;
    std::string table;
    // Joined by And.
    std::vector<Condition> conditions;
    std::optional<std::string> orderBy;
    bool descending = false;
};

} // namespace catalog
