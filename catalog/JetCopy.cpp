#include "catalog/JetCopy.h"

#include "catalog/CatalogError.h"
#include "catalog/CatalogSchema.h"
#include "catalog/JetReaderProcess.h"
#include "catalog/JetWire.h"
#include "catalog/SqlTranslator.h"
#include "catalog/SqliteStatement.h"

#include <cctype>

namespace catalog {
namespace {

namespace wire = jetwire;

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The SQLite type of a copied field: texts as TEXT, whole numbers as INTEGER.
const char* sqlType(std::uint8_t jetType) {
    switch (jetType) {
    case wire::Boolean:
    case wire::Byte:
    case wire::Int:
    case wire::LongInt:
    case wire::Complex:
        return "INTEGER";
    case wire::Money:
    case wire::Float:
    case wire::Double:
        return "REAL";
    case wire::Numeric:
        return "NUMERIC";
    case wire::Binary:
    case wire::Ole:
        return "BLOB";
    default:
        return "TEXT";
    }
}

} // namespace

JetCopy::JetCopy(std::string path, std::uintmax_t fileSize, std::string helper)
    : m_path(std::move(path)), m_fileSize(fileSize), m_helper(std::move(helper)),
      m_memory(SqliteConnection::openMemory(m_path)) {
    JetReaderProcess reader(m_helper, {m_path}, JetReaderProcess::timeoutFor(m_fileSize),
                            "Cannot open the catalogue database " + m_path);
    std::uint8_t frame = reader.byte();
    if (frame == wire::Failure)
        reader.failureFrame();
    if (frame != wire::FileInfo)
        reader.malformed("the Jet reader's answer lacks the file's description");
    m_jetVersion = reader.u32();
    reader.u32(); // the code page: the helper has already decoded every text
    while ((frame = reader.byte()) == wire::Table) {
        Table table;
        table.name = reader.str(wire::MaxNameLength);
        table.columns = readColumns(reader);
        m_tables.push_back(std::move(table));
    }
    if (frame == wire::Failure)
        reader.failureFrame();
    if (frame != wire::End)
        reader.malformed("the Jet reader sent an unknown part in the list of tables");
    reader.finish();
}

std::vector<JetCopy::Column> JetCopy::readColumns(JetReaderProcess& reader) {
    const std::uint32_t count = reader.u32();
    if (count == 0 || count > wire::MaxColumns)
        reader.malformed("the Jet reader sent a table of " + std::to_string(count) + " fields");
    std::vector<Column> columns(count);
    for (Column& column : columns) {
        column.name = reader.str(wire::MaxNameLength);
        column.type = reader.byte();
        column.size = reader.u32();
    }
    return columns;
}

const TableSchema& JetCopy::table(const std::string& name, SqliteConnection** connection) {
    const Table* wanted = nullptr;
    for (const Table& candidate : m_tables)
        if (equalsIgnoringAsciiCase(candidate.name, name))
            wanted = &candidate;
    if (!wanted)
        throw CatalogError("Table \"" + name + "\" not found in " + m_path);
    auto loaded = m_loaded.find(lower(wanted->name));
    if (loaded == m_loaded.end()) {
        load(*wanted);
        auto schema = readTableSchema(m_memory, wanted->name);
        if (!schema)
            throw CatalogError("Table \"" + name + "\" of " + m_path + " could not be copied into memory");
        loaded = m_loaded.emplace(lower(wanted->name), std::move(*schema)).first;
    }
    *connection = &m_memory;
    return loaded->second;
}

void JetCopy::load(const Table& table) {
    const std::string what = "Cannot read table " + table.name + " of " + m_path;
    std::string create = "CREATE TABLE " + quoteIdentifier(table.name) + " (";
    for (size_t i = 0; i < table.columns.size(); ++i)
        create += (i ? ", " : "") + quoteIdentifier(table.columns[i].name) + " " + sqlType(table.columns[i].type);
    m_memory.exec("BEGIN");
    try {
        m_memory.exec(create + ")");
        JetReaderProcess reader(m_helper, {m_path, table.name}, JetReaderProcess::timeoutFor(m_fileSize), what);
        copyRows(table, reader);
        reader.finish();
        // The indexes our SQLite form gives this table, where its fields are there.
        for (const TableSpec& spec : catalogTables()) {
            if (!equalsIgnoringAsciiCase(spec.name, table.name))
                continue;
            for (const std::string& index : spec.indexes) {
                try {
                    m_memory.exec(index);
                } catch (const CatalogError&) {
                    // A Jet table that lacks a field of the index is still read, only slower.
                }
            }
        }
        m_memory.exec("COMMIT");
    } catch (...) {
        try {
            m_memory.exec("ROLLBACK");
        } catch (const CatalogError&) {
            // Nothing more can be undone; the first failure is the one to report.
        }
        throw;
    }
}

void JetCopy::copyRows(const Table& table, JetReaderProcess& reader) {
    std::uint8_t frame = reader.byte();
    if (frame == wire::Failure)
        reader.failureFrame();
    if (frame != wire::Columns)
        reader.malformed("the Jet reader's answer lacks the table's fields");
    const std::vector<Column> columns = readColumns(reader);
    if (columns.size() != table.columns.size())
        reader.malformed("the Jet reader sent " + std::to_string(columns.size()) + " fields, not " +
                         std::to_string(table.columns.size()));
    std::string insert = "INSERT INTO " + quoteIdentifier(table.name) + " VALUES (";
    for (size_t i = 0; i < columns.size(); ++i)
        insert += i ? ", ?" : "?";
    SqliteStatement statement(m_memory, insert + ")");
    std::uint64_t rows = 0;
    while ((frame = reader.byte()) == wire::Row) {
        for (size_t i = 0; i < columns.size(); ++i) {
            const int parameter = static_cast<int>(i) + 1;
            switch (reader.byte()) {
            case wire::Null:
                statement.bind(parameter, FieldValue::null());
                break;
            case wire::Integer:
                statement.bind(parameter, FieldValue::integer(static_cast<std::int64_t>(reader.u64())));
                break;
            case wire::Real:
                statement.bind(parameter, FieldValue::real(reader.f64()));
                break;
            case wire::Text:
                statement.bind(parameter, FieldValue::text(reader.str(wire::MaxValueLength)));
                break;
            case wire::Bytes: {
                const std::string bytes = reader.str(wire::MaxValueLength);
                statement.bindBlob(parameter, bytes.data(), static_cast<int>(bytes.size()));
                break;
            }
            case wire::Failure:
                reader.failureFrame();
            default:
                reader.malformed("the Jet reader sent a value of an unknown kind");
            }
        }
        statement.step();
        statement.reset();
        ++rows;
    }
    if (frame == wire::Failure)
        reader.failureFrame();
    if (frame != wire::End)
        reader.malformed("the Jet reader sent an unknown part among the rows");
    if (reader.u64() != rows)
        reader.malformed("the Jet reader's row count differs from the rows it sent");
}

std::string JetCopy::typeName(const Column& column) const {
    switch (column.type) {
    case wire::Boolean:
        return "Boolean";
    case wire::Byte:
        return "Byte";
    case wire::Int:
        return "Integer";
    case wire::LongInt:
        return "Long Integer";
    case wire::Money:
        return "Currency";
    case wire::Float:
        return "Single";
    case wire::Double:
        return "Double";
    case wire::DateTime:
        return "DateTime";
    case wire::Binary:
        return "Binary";
    case wire::TextType:
        // Jet 4 counts the size of a text field in bytes of UCS-2.
        return "Text (" + std::to_string(m_jetVersion == 0 ? column.size : column.size / 2) + ")";
    case wire::Ole:
        return "OLE";
    case wire::Memo:
        return "Memo";
    case wire::ReplicationId:
        return "Replication ID";
    case wire::Numeric:
        return "Numeric";
    case wire::Complex:
        return "Complex";
    default:
        return "Unknown type " + std::to_string(column.type);
    }
}

std::vector<TableListing> JetCopy::listTables() const {
    std::vector<TableListing> listings;
    for (const Table& table : m_tables) {
        TableListing listing{table.name, {}};
        for (const Column& column : table.columns)
            listing.fields.emplace_back(column.name, typeName(column));
        listings.push_back(std::move(listing));
    }
    return listings;
}

} // namespace catalog
