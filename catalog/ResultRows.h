// The rows of a query result read whole when it opens, held compactly: one
// small cell per value and the texts side by side in one buffer, so that
// reading a result costs no allocation per row.
//
// Errors: none of its own; reading from a statement never fails.
#pragma once

#include "catalog/FieldValue.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace catalog {

class SqliteStatement;

class ResultRows {
public:
    // fields: the number of values in a row.
    explicit ResultRows(int fields = 0) : m_fields(fields) {}

    // Appends the statement's current row: its columns from firstColumn on.
    void append(const SqliteStatement& statement, int firstColumn);
    size_t size() const { return m_fields > 0 ? m_cells.size() / static_cast<size_t>(m_fields) : 0; }
    // The value of a field of a row; row < size(), field < the fields of a row.
    FieldValue value(size_t row, int field) const;
    // Puts the rows in ascending order of their keys, keys[i] being the key of
    // the i-th row appended.
    void sortBy(const std::vector<std::int64_t>& keys);

private:
    struct Cell {
        enum class Kind : std::uint8_t { Null, Integer, Real, Text };
        Kind kind = Kind::Null;
        std::uint32_t size = 0; // of a text, in bytes
        union {
            std::int64_t integer;
            double real;
            std::size_t offset; // of a text in m_texts
        };
    };

    int m_fields = 0;
    std::vector<Cell> m_cells;
    std::string m_texts;
};

} // namespace catalog
