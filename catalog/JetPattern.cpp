#include "catalog/JetPattern.h"

#include "catalog/CatalogError.h"
#include "catalog/Utf8.h"

namespace catalog {
namespace {

char32_t foldAscii(char32_t c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

char32_t upperAscii(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}


[[noreturn]] void invalidPattern(std::string_view pattern, const std::string& why) {
    throw CatalogError("Invalid Like pattern \"" + std::string(pattern) + "\": " + why);
}

} // namespace

std::u32string decodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += lead;
            ++i;
        } else {
            out += c;
            i += length;
        }
    }
    return out;
}

JetPattern::JetPattern(std::string_view utf8Pattern) {
    const std::u32string pattern = decodeUtf8(utf8Pattern);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char32_t c = pattern[i];
        Element element;
        if (c == '*') {
            // Runs of "*" mean the same as one.
            if (!m_elements.empty() && m_elements.back().kind == Element::Kind::AnyRun)
                continue;
            element.kind = Element::Kind::AnyRun;
        } else if (c == '?') {
            element.kind = Element::Kind::AnyOne;
        } else if (c == '#') {
            element.kind = Element::Kind::Digit;
        } else if (c == '[') {
            const size_t close = pattern.find(']', i + 1);
            if (close == std::u32string::npos)
                invalidPattern(utf8Pattern, "a \"[\" without its \"]\"");
            size_t k = i + 1;
            // "[]" matches no character at all: it stands for nothing.
            if (k == close) {
                i = close;
                continue;
            }
            element.kind = Element::Kind::Set;
            if (pattern[k] == '!' && k + 1 < close) {
                element.negated = true;
                ++k;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && pattern[k + 1] == '-') {
                    if (pattern[k] > pattern[k + 2])
                        invalidPattern(utf8Pattern, "a character range that runs backwards");
                    element.ranges.emplace_back(pattern[k], pattern[k + 2]);
                    k += 2;
                } else {
                    element.ranges.emplace_back(pattern[k], pattern[k]);
                }
            }
            i = close;
            // A list of one character, such as "[*]", is that character.
            if (!element.negated && element.ranges.size() == 1 && element.ranges[0].first == element.ranges[0].second) {
                element.kind = Element::Kind::Literal;
                element.character = element.ranges[0].first;
                element.ranges.clear();
            }
        } else {
            element.character = c;
        }
        m_elements.push_back(std::move(element));
    }
    for (const Element& element : m_elements) {
        if (element.kind != Element::Kind::Literal)
            break;
        appendUtf8(m_prefix, element.character);
    }
}

bool JetPattern::matchesOne(const Element& element, char32_t c) const {
    switch (element.kind) {
    case Element::Kind::Literal:
        return foldAscii(element.character) == foldAscii(c);
    case Element::Kind::AnyOne:
        return true;
    case Element::Kind::Digit:
        return c >= '0' && c <= '9';
    case Element::Kind::Set: {
        bool inSet = false;
        for (const auto& [low, high] : element.ranges) {
            const char32_t forms[] = {c, foldAscii(c), upperAscii(c)};
            for (const char32_t form : forms)
                inSet = inSet || (form >= low && form <= high);
        }
        return inSet != element.negated;
    }
    case Element::Kind::AnyRun:
        break;
    }
    return false;
}

bool JetPattern::matches(std::string_view utf8Text) const {
    const std::u32string text = decodeUtf8(utf8Text);
    // Every element but "*" takes exactly one character, so the classic
    // back-up-to-the-last-star walk decides the match without recursion.
    size_t p = 0, t = 0;
    size_t starElement = std::string::npos, starText = 0;
    while (t < text.size()) {
        if (p < m_elements.size() && m_elements[p].kind == Element::Kind::AnyRun) {
            starElement = p++;
            starText = t;
        } else if (p < m_elements.size() && matchesOne(m_elements[p], text[t])) {
            ++p;
            ++t;
        } else if (starElement != std::string::npos) {
            p = starElement + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < m_elements.size() && m_elements[p].kind == Element::Kind::AnyRun)
        ++p;
    return p == m_elements.size();
}

} // namespace catalog
