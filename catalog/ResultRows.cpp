#include "catalog/ResultRows.h"

#include "catalog/SqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>
#include <numeric>

namespace catalog {

void ResultRows::append(const SqliteStatement& statement, int firstColumn) {
    sqlite3_stmt* const stmt = statement.handle();
    for (int column = firstColumn; column < firstColumn + m_fields; ++column) {
        // Read as SqliteStatement::value reads a column: one call to SQLite for it.
        sqlite3_value* const value = sqlite3_column_value(stmt, column);
        Cell& cell = m_cells.emplace_back();
        switch (sqlite3_value_type(value)) {
        case SQLITE_NULL:
            cell.kind = Cell::Kind::Null;
            break;
        case SQLITE_INTEGER:
            cell.kind = Cell::Kind::Integer;
            cell.integer = sqlite3_value_int64(value);
            break;
        case SQLITE_FLOAT:
            cell.kind = Cell::Kind::Real;
            cell.real = sqlite3_value_double(value);
            break;
        default: {
            // Text, and a blob read as its bytes.
            const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
            cell.kind = Cell::Kind::Text;
            cell.offset = m_texts.size();
            if (data) {
                cell.size = static_cast<std::uint32_t>(sqlite3_value_bytes(value));
                m_texts.append(data, cell.size);
            }
            break;
        }
        }
    }
}

FieldValue ResultRows::value(size_t row, int field) const {
    const Cell& cell = m_cells[row * static_cast<size_t>(m_fields) + static_cast<size_t>(field)];
    switch (cell.kind) {
    case Cell::Kind::Null:
        return FieldValue::null();
    case Cell::Kind::Integer:
        return FieldValue::integer(cell.integer);
    case Cell::Kind::Real:
        return FieldValue::real(cell.real);
    case Cell::Kind::Text:
        break;
    }
    return FieldValue::text(m_texts.data() + cell.offset, cell.size);
}

void ResultRows::sortBy(const std::vector<std::int64_t>& keys) {
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<Cell> sorted;
    sorted.reserve(m_cells.size());
    const auto fields = static_cast<size_t>(m_fields);
    for (const size_t row : order)
        sorted.insert(sorted.end(), m_cells.begin() + static_cast<std::ptrdiff_t>(row * fields),
                      m_cells.begin() + static_cast<std::ptrdiff_t>((row + 1) * fields));
    m_cells = std::move(sorted);
}

} // namespace catalog
