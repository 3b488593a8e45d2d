// Building query texts safely.
#pragma once

#include <string>

namespace catalog {

// The text as a double-quoted text constant of the query language, every
// embedded double quote doubled, so that any text is searched exactly as given.
// Like pattern characters inside it keep their meaning.
std::string quoteText(const std::string& utf8);

} // namespace catalog
