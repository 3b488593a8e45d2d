// The value of one field of the current row: Null, a text or a number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace catalog {

class FieldValue {
public:
    // A default value is Null.
    FieldValue() = default;
    static FieldValue null() { return {}; }
    static FieldValue text(std::string utf8);
    // A text of size bytes of UTF-8 at data, copied once.
    static FieldValue text(const char* data, std::size_t size) {
        return FieldValue(std::in_place_type<std::string>, data, size);
    }
    static FieldValue integer(std::int64_t value);
    static FieldValue real(double value);

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isText() const { return std::holds_alternative<std::string>(m_value); }
    bool isNumber() const { return !isNull() && !isText(); }

    // True for Null and for the empty text: the lookups' test "equal to the empty string".
    bool isEmpty() const {
        const auto* text = std::get_if<std::string>(&m_value);
        return isNull() || (text && text->empty());
    }

    // The value as text (UTF-8): a text as stored, a whole number in plain decimal
    // ("2"), any other number in its shortest decimal form ("1.5"). Throws
    // CatalogError for Null: callers test isNull() or isEmpty() first.
    std::string toText() const {
        if (const auto* text = std::get_if<std::string>(&m_value))
            return *text;
        return numberText();
    }

    // The number when the value is a whole number, or a real number; nullopt otherwise.
    std::optional<std::int64_t> integerValue() const;
    std::optional<double> realValue() const;

    bool operator==(const FieldValue&) const = default;

private:
    // toText of anything but a text.
    std::string numberText() const;

    template <class T, class... Args>
    explicit FieldValue(std::in_place_type_t<T> type, Args&&... args) : m_value(type, std::forward<Args>(args)...) {}

    std::variant<std::monostate, std::string, std::int64_t, double> m_value;
};

} // namespace catalog
