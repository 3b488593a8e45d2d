// A result of a query on an open catalogue database (a "dynaset": read only here).
//
// Right after the open the record count is the total number of rows and the
// current row is the first one. A default-constructed Recordset refers to
// nothing; every operation on it, or on a closed one, throws CatalogError.
#pragma once

#include "catalog/FieldValue.h"

#include <memory>
#include <string>
#include <vector>

namespace catalog {

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept; // drops the previous result without Close
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Total number of rows of the result.
    long RecordCount() const;
    void MoveFirst();
    void MoveNext();
    // True once the current row is past the last row (also for an empty result).
    // Not named EOF: that name is a macro of <cstdio>.
    bool Eof() const;
    // The value of the named field (field names compare without regard to
    // case) in the current row. Throws when there is no current row or no such field.
    FieldValue Fields(const std::string& name) const;
    // The same for a name written as a C string, without building a string for it.
    FieldValue Fields(const char* name) const;
    void Close();
    bool isOpen() const;
    // The names of the result's fields, in the order of the query.
    std::vector<std::string> fieldNames() const;

    class Impl;
    explicit Recordset(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace catalog
