// The in-memory SQLite copy of one version of a Jet file. The file's
// catalogue is read when the copy is made; each table is read once, when a
// query first needs it, through the Jet reader helper, and gets the indexes
// that our SQLite form gives a catalogue table of that name.
//
// Errors: throws CatalogError naming the file, the table and what went wrong.
#pragma once

#include "catalog/SqliteConnection.h"
#include "catalog/TableListing.h"
#include "catalog/TableSchema.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace catalog {

class JetReaderProcess;

class JetCopy {
public:
    // Reads the catalogue of the Jet file at path (fileSize bytes long).
    JetCopy(std::string path, std::uintmax_t fileSize, std::string helper);

    const std::string& path() const { return m_path; }
    // The table, copied into memory on first use; throws when the file lacks it.
    const TableSchema& table(const std::string& name, SqliteConnection** connection);
    std::vector<TableListing> listTables() const;

private:
    struct Column {
        std::string name;
        std::uint8_t type = 0;
        std::uint32_t size = 0;
    };
    struct Table {
        std::string name;
        std::vector<Column> columns;
    };

    static std::vector<Column> readColumns(JetReaderProcess& reader);
    void load(const Table& table);
    void copyRows(const Table& table, JetReaderProcess& reader);
    std::string typeName(const Column& column) const;

    std::string m_path;
    std::uintmax_t m_fileSize;
    std::string m_helper;
    std::uint32_t m_jetVersion = 0;
    std::vector<Table> m_tables;
    SqliteConnection m_memory;
    // By the stored table name in lower case.
    std::map<std::string, TableSchema> m_loaded;
};

} // namespace catalog
