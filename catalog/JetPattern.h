// A Like pattern as the Jet engine reads it: "*" any run of characters, "?"
// one character, "#" one digit, "[abc]", "[a-z]" and "[!abc]" one character
// of (or not of) a list; every other character stands for itself. Letters
// match without regard to ASCII case, as the Jet engine compared them.
//
// Errors: the constructor throws CatalogError for a malformed pattern.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace catalog {

class JetPattern {
public:
    explicit JetPattern(std::string_view utf8Pattern);

    bool matches(std::string_view utf8Text) const;
    // The literal text that every match begins with (UTF-8, as written).
    const std::string& literalPrefix() const { return m_prefix; }

private:
    struct Element {
        enum class Kind { Literal, AnyOne, Digit, Set, AnyRun } kind = Kind::Literal;
        char32_t character = 0;
        bool negated = false;
        std::vector<std::pair<char32_t, char32_t>> ranges;
    };
    bool matchesOne(const Element& element, char32_t c) const;

    std::vector<Element> m_elements;
    std::string m_prefix;
};

// UTF-8 to code points; a byte that is not valid UTF-8 stands for itself.
std::u32string decodeUtf8(std::string_view utf8);

} // namespace catalog
