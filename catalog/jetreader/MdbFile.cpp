#include "catalog/jetreader/MdbFile.h"

#include "catalog/JetWire.h"
#include "catalog/jetreader/JetText.h"
#include "catalog/jetreader/WireWriter.h"

// The 1.0.0 header opens extern "C" before it includes glib: glib first.
#include <glib.h>
#include <mdbtools.h>

#include <cstring>
#include <ctime>
#include <stdexcept>
#include <vector>

namespace jetreader {

namespace wire = catalog::jetwire;

namespace {

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int64_t le64(const unsigned char* p) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | p[i];
    return static_cast<std::int64_t>(value);
}

struct TableDefFree {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefFree>;

struct GFree {
    void operator()(void* p) const { g_free(p); }
};

MdbColumn* columnAt(MdbTableDef* table, unsigned i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
}

void writeColumns(MdbTableDef* table, WireWriter& out) {
    out.u32(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const MdbColumn* column = columnAt(table, i);
        out.str(column->name);
        out.byte(static_cast<std::uint8_t>(column->col_type));
        out.u32(static_cast<std::uint32_t>(column->col_size));
    }
}

} // namespace

class MdbFile::Impl {
public:
    explicit Impl(const std::string& path) : m_path(path) {
        open();
        // Names are decoded by libmdb, which assumes Windows-1252 for Jet 3
        // unless told otherwise: reopen telling it the file's own code page.
        if (IS_JET3(m_mdb) && codePage() != 1252 && !g_getenv("MDB_JET3_CHARSET")) {
            const std::string charset = "CP" + std::to_string(codePage());
            mdb_close(m_mdb);
            m_mdb = nullptr;
            g_setenv("MDB_JET3_CHARSET", charset.c_str(), TRUE);
            open();
        }
        m_text = std::make_unique<JetText>(!IS_JET3(m_mdb), codePage());
    }

    ~Impl() {
        if (m_mdb)
            mdb_close(m_mdb);
    }

    unsigned codePage() const { return m_mdb->f->code_page == 0 ? 1252 : m_mdb->f->code_page; }

    void writeCatalogue(WireWriter& out) {
        out.byte(wire::FileInfo);
        out.u32(m_mdb->f->jet_version);
        out.u32(codePage());
        for (MdbCatalogEntry* entry : userTables()) {
            TableDef table(mdb_read_table(entry));
            if (!table || !mdb_read_columns(table.get()))
                throw std::runtime_error(std::string("cannot read the fields of table ") + entry->object_name);
            out.byte(wire::Table);
            out.str(entry->object_name);
            writeColumns(table.get(), out);
        }
        out.byte(wire::End);
    }

    void writeRows(const std::string& name, WireWriter& out) {
        MdbCatalogEntry* found = nullptr;
        for (MdbCatalogEntry* entry : userTables())
            if (g_ascii_strcasecmp(entry->object_name, name.c_str()) == 0)
                found = entry;
        if (!found)
            throw std::runtime_error("the file has no table " + name);
        TableDef table(mdb_read_table(found));
        if (!table || !mdb_read_columns(table.get()))
            throw std::runtime_error("cannot read the fields of table " + name);
        out.byte(wire::Columns);
        writeColumns(table.get(), out);
        mdb_rewind_table(table.get());
        std::vector<MdbField> fields(table->num_cols + 1);
        std::uint64_t count = 0;
        while (mdb_fetch_row(table.get())) {
            int start = 0;
            size_t size = 0;
            if (mdb_find_row(m_mdb, static_cast<int>(table->cur_row) - 1, &start, &size) != 0)
                throw std::runtime_error("cannot locate row " + std::to_string(count + 1) + " of table " + name);
            const int cracked = mdb_crack_row(table.get(), start, size, fields.data());
            if (cracked < static_cast<int>(table->num_cols))
                throw std::runtime_error("row " + std::to_string(count + 1) + " of table " + name + " is damaged");
            out.byte(wire::Row);
            for (unsigned i = 0; i < table->num_cols; ++i)
                writeValue(columnAt(table.get(), i), fields[i], out);
            ++count;
        }
        out.byte(wire::End);
        out.u64(count);
    }

private:
    void open() {
        m_mdb = mdb_open(m_path.c_str(), MDB_NOFLAGS);
        if (!m_mdb)
            throw std::runtime_error("libmdb cannot open the file");
    }

    std::vector<MdbCatalogEntry*> userTables() {
        if (!mdb_read_catalog(m_mdb, MDB_TABLE))
            throw std::runtime_error("cannot read the file's catalogue of tables");
        std::vector<MdbCatalogEntry*> tables;
        for (unsigned i = 0; i < m_mdb->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(m_mdb->catalog, i));
            if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
                tables.push_back(entry);
        }
        return tables;
    }

    [[noreturn]] void damaged(const MdbColumn* column) const {
        throw std::runtime_error(std::string("a value of field ") + column->name + " is damaged");
    }

    // A memo or OLE value: inline in the row, on one page, or a chain of pages.
    std::string longValue(const MdbColumn* column, const unsigned char* field, size_t size) {
        if (size < MDB_MEMO_OVERHEAD)
            damaged(column);
        const std::uint32_t header = le32(field);
        const size_t length = header & 0x3FFFFFFF;
        std::uint32_t pageRow = le32(field + 4);
        std::string data;
        if (header & 0x80000000) {
            if (length > size - MDB_MEMO_OVERHEAD)
                damaged(column);
            data.assign(reinterpret_cast<const char*>(field + MDB_MEMO_OVERHEAD), length);
            return data;
        }
        const bool singlePage = header & 0x40000000;
        // A chain cannot have more links than the file has pages.
        for (int links = 0; data.size() < length; ++links) {
            void* buffer = nullptr;
            int offset = 0;
            size_t rowSize = 0;
            if (links > 1 << 22 || mdb_find_pg_row(m_mdb, static_cast<int>(pageRow), &buffer, &offset, &rowSize) != 0)
                damaged(column);
            const auto* row = static_cast<const unsigned char*>(buffer) + offset;
            if (singlePage) {
                data.assign(reinterpret_cast<const char*>(row), std::min(rowSize, length));
                break;
            }
            if (rowSize < 4)
                damaged(column);
            pageRow = le32(row);
            data.append(reinterpret_cast<const char*>(row + 4), std::min(rowSize - 4, length - data.size()));
            if (pageRow == 0)
                break;
        }
        if (data.size() != length)
            damaged(column);
        return data;
    }

    void writeValue(const MdbColumn* column, const MdbField& field, WireWriter& out) {
        const int type = column->col_type;
        if (type == MDB_BOOL) {
            // A yes/no field lives in the null mask: set is yes.
            out.byte(wire::Integer);
            out.u64(field.is_null ? 0 : 1);
            return;
        }
        if (field.is_null) {
            out.byte(wire::Null);
            return;
        }
        const auto* p = static_cast<const unsigned char*>(field.value);
        const auto size = static_cast<size_t>(field.siz);
        const auto need = [&](size_t bytes) {
            if (size < bytes)
                damaged(column);
        };
        switch (type) {
        case MDB_BYTE:
            need(1);
            out.byte(wire::Integer);
            out.u64(p[0]);
            return;
        case MDB_INT:
            need(2);
            out.byte(wire::Integer);
            out.u64(static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int16_t>(p[0] | (p[1] << 8)))));
            return;
        case MDB_LONGINT:
        case MDB_COMPLEX:
            need(4);
            out.byte(wire::Integer);
            out.u64(static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(le32(p)))));
            return;
        case MDB_MONEY:
            need(8);
            out.byte(wire::Real);
            out.f64(static_cast<double>(le64(p)) / 10000.0);
            return;
        case MDB_FLOAT: {
            need(4);
            float value = 0;
            const std::uint32_t bits = le32(p);
            std::memcpy(&value, &bits, sizeof value);
            out.byte(wire::Real);
            out.f64(value);
            return;
        }
        case MDB_DOUBLE: {
            need(8);
            double value = 0;
            const auto bits = static_cast<std::uint64_t>(le64(p));
            std::memcpy(&value, &bits, sizeof value);
            out.byte(wire::Real);
            out.f64(value);
            return;
        }
        case MDB_DATETIME: {
            need(8);
            double days = 0;
            const auto bits = static_cast<std::uint64_t>(le64(p));
            std::memcpy(&days, &bits, sizeof days);
            std::tm time{};
            mdb_date_to_tm(days, &time);
            char text[64];
            std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.tm_year + 1900, time.tm_mon + 1,
                          time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
            out.byte(wire::Text);
            out.str(text);
            return;
        }
        case MDB_TEXT:
            out.byte(wire::Text);
            out.str(m_text->decode(p, size));
            return;
        case MDB_MEMO: {
            const std::string raw = longValue(column, p, size);
            out.byte(wire::Text);
            out.str(m_text->decode(reinterpret_cast<const unsigned char*>(raw.data()), raw.size()));
            return;
        }
        case MDB_OLE: {
            const std::string raw = longValue(column, p, size);
            out.byte(wire::Bytes);
            out.str(raw);
            return;
        }
        case MDB_REPID: {
            need(16);
            std::unique_ptr<char, GFree> text(mdb_uuid_to_string(m_mdb->pg_buf, field.start));
            out.byte(wire::Text);
            out.str(text ? text.get() : "");
            return;
        }
        case MDB_NUMERIC: {
            need(17);
            std::unique_ptr<char, GFree> text(
                mdb_numeric_to_string(m_mdb, field.start, column->col_scale, column->col_prec));
            out.byte(wire::Text);
            out.str(text ? text.get() : "");
            return;
        }
        default:
            out.byte(wire::Bytes);
            out.bytes(p, size);
            return;
        }
    }

    std::string m_path;
    MdbHandle* m_mdb = nullptr;
    std::unique_ptr<JetText> m_text;
};

MdbFile::MdbFile(const std::string& path) : m_impl(std::make_unique<Impl>(path)) {}
MdbFile::~MdbFile() = default;
MdbFile::MdbFile(MdbFile&&) noexcept = default;
MdbFile& MdbFile::operator=(MdbFile&&) noexcept = default;

void MdbFile::writeCatalogue(WireWriter& out) {
    m_impl->writeCatalogue(out);
}

void MdbFile::writeRows(const std::string& table, WireWriter& out) {
    m_impl->writeRows(table, out);
}

} // namespace jetreader
