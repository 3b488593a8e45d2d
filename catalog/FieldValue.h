// The value of one field of the current row: Null, a text or a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace catalog {

class FieldValue {
public:
    // A default value is Null.
    FieldValue() = default;
    static FieldValue null() { return {}; }
    static FieldValue text(std::string utf8);
    static FieldValue integer(std::int64_t value);
    static FieldValue real(double value);

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isText() const { return std::holds_alternative<std::string>(m_value); }
    bool isNumber() const { return !isNull() && !isText(); }

    // True for Null and for the empty text: the lookups' test "equal to the empty string".
    bool isEmpty() const;

    // The value as text (UTF-8): a text as stored, a whole number in plain decimal
    // ("2"), any other number in its shortest decimal form ("1.5"). Throws
    // CatalogError for Null: callers test isNull() or isEmpty() first.
    std::string toText() const;

    // The number when the value is a whole number, or a real number; nullopt otherwise.
    std::optional<std::int64_t> integerValue() const;
    std::optional<double> realValue() const;

    bool operator==(const FieldValue&) const = default;

private:
    std::variant<std::monostate, std::string, std::int64_t, double> m_value;
};

} // namespace catalog
