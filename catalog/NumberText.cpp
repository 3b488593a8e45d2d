#include "catalog/NumberText.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace catalog {

std::optional<FieldValue> numberFromText(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    bool whole = true;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        whole = false;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        whole = false;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponentDigits = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            ++exponentDigits;
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    // from_chars takes no leading "+".
    const std::string_view unsigned_ = text.front() == '+' ? text.substr(1) : text;
    if (whole) {
        std::int64_t number = 0;
        const auto result = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), number);
        if (result.ec == std::errc() && result.ptr == unsigned_.data() + unsigned_.size())
            return FieldValue::integer(number);
    }
    double number = 0;
    const auto result = std::from_chars(unsigned_.data(), unsigned_.data() + unsigned_.size(), number);
    if (result.ec != std::errc() || result.ptr != unsigned_.data() + unsigned_.size())
        return std::nullopt;
    return FieldValue::real(number);
}

} // namespace catalog
