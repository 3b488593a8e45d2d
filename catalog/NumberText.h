// Reading a text as a number, for comparisons "by value" between a number and
// a text that holds digits.
#pragma once

#include "catalog/FieldValue.h"

#include <optional>
#include <string_view>

namespace catalog {

// The number that the whole text spells (blanks around it allowed, an
// optional sign, digits, an optional fraction and exponent): a whole number
// when written without fraction or exponent and in range, a real otherwise.
// nullopt when the text is no number.
std::optional<FieldValue> numberFromText(std::string_view text);

} // namespace catalog
