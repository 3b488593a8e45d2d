// One Jet file opened with libmdb, read-only, and the two things the reader
// helper does with it: list its user tables, and stream one table's rows.
// libmdb and glib stay behind this class (MdbHandle cannot be forward-declared).
//
// Errors: throws std::runtime_error with a description of what failed.
#pragma once

#include <memory>
#include <string>

namespace jetreader {

class WireWriter;

class MdbFile {
public:
    explicit MdbFile(const std::string& path);
    ~MdbFile();
    MdbFile(MdbFile&&) noexcept;
    MdbFile& operator=(MdbFile&&) noexcept;
    MdbFile(const MdbFile&) = delete;
    MdbFile& operator=(const MdbFile&) = delete;

    // FileInfo frame, one Table frame per user table, End.
    void writeCatalogue(WireWriter& out);
    // Columns frame, one Row frame per row in stored order, End with the count.
    void writeRows(const std::string& table, WireWriter& out);

    class Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace jetreader
