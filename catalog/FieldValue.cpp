#include "catalog/FieldValue.h"

#include "catalog/CatalogError.h"

#include <charconv>
#include <cmath>

namespace catalog {

FieldValue FieldValue::text(std::string utf8) {
    FieldValue value;
    value.m_value = std::move(utf8);
    return value;
}

FieldValue FieldValue::integer(std::int64_t number) {
    FieldValue value;
    value.m_value = number;
    return value;
}

FieldValue FieldValue::real(double number) {
    FieldValue value;
    value.m_value = number;
    return value;
}

std::optional<std::int64_t> FieldValue::integerValue() const {
    if (const auto* number = std::get_if<std::int64_t>(&m_value))
        return *number;
    return std::nullopt;
}

std::optional<double> FieldValue::realValue() const {
    if (const auto* number = std::get_if<double>(&m_value))
        return *number;
    return std::nullopt;
}

std::string FieldValue::numberText() const {
    if (isNull())
        throw CatalogError("The field value is Null and has no text");
    if (const auto* number = std::get_if<std::int64_t>(&m_value))
        return std::to_string(*number);
    const double number = std::get<double>(m_value);
    if (std::isnan(number))
        return "NaN";
    if (std::isinf(number))
        return number < 0 ? "-Infinity" : "Infinity";
    // Fixed notation, shortest form that reads back exactly: "2", "1.5",
    // never an exponent, so the text reads as a plain decimal everywhere.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (text == "-0")
        text = "0";
    return text;
}

} // namespace catalog
