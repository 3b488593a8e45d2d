#include "tools/CatalogFileWriter.h"

#include <stdexcept>

namespace tools {

CatalogFileWriter::CatalogFileWriter() : m_db(catalog::SqliteConnection::openMemory("the catalogue being written")) {
    m_db.exec("BEGIN");
}

std::string CatalogFileWriter::quoteName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

catalog::SqliteStatement CatalogFileWriter::addTable(const catalog::TableSpec& table) {
    std::string create = "CREATE TABLE " + quoteName(table.name) + " (";
    std::string insert = "INSERT INTO " + quoteName(table.name) + " VALUES (";
    for (size_t i = 0; i < table.fields.size(); ++i) {
        create += (i ? ", " : "") + quoteName(table.fields[i].name) + " " + table.fields[i].sqlType;
        insert += i ? ",?" : "?";
    }
    m_db.exec(create + ")");
    m_indexes.insert(m_indexes.end(), table.indexes.begin(), table.indexes.end());
    return catalog::SqliteStatement(m_db, insert + ")");
}

void CatalogFileWriter::insert(catalog::SqliteStatement& statement, const Row& row) {
    for (size_t i = 0; i < row.size(); ++i)
        statement.bind(static_cast<int>(i) + 1, row[i]);
    statement.step();
    statement.reset();
}

void CatalogFileWriter::writeTo(const std::filesystem::path& file) {
    if (std::filesystem::exists(file))
        throw std::runtime_error(file.string() + " exists already");
    for (const std::string& index : m_indexes)
        m_db.exec(index);
    m_indexes.clear();
    m_db.exec("COMMIT");
    std::string literal = "'";
    for (const char c : file.string()) {
        literal += c;
        if (c == '\'')
            literal += '\'';
    }
    try {
        m_db.exec("VACUUM INTO " + literal + "'");
    } catch (const std::exception& error) {
        throw std::runtime_error("cannot write " + file.string() + ": " + error.what());
    }
    m_db.exec("BEGIN");
}

} // namespace tools
