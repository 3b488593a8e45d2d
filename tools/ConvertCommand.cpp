// vexorin-catalog convert IN OUT: copies every table of a catalogue file (a
// Jet file or one of ours) into a new SQLite file in our form.
#include "tools/CatalogCommands.h"

#include "catalog/CatalogSchema.h"
#include "catalog/DBEngine.h"
#include "catalog/TableSchema.h"
#include "tools/CatalogFileWriter.h"
#include "tools/PendingFile.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <fstream>
#include <ostream>

namespace tools {
namespace {

bool isSqliteFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char header[16] = {};
    in.read(header, sizeof header);
    return in.gcount() == sizeof header && std::memcmp(header, "SQLite format 3", sizeof header) == 0;
}

// The SQLite type under which the catalogue layer holds a Jet field of this
// stored type in memory, so that queries on the copy treat its values alike:
// whole numbers INTEGER, other numbers REAL, binary data BLOB, the rest TEXT.
std::string sqliteTypeOfJetField(const std::string& jetType) {
    static const char* const whole[] = {"Boolean", "Byte", "Integer", "Long Integer", "Complex"};
    static const char* const real[] = {"Currency", "Single", "Double"};
    for (const char* name : whole)
        if (jetType == name)
            return "INTEGER";
    for (const char* name : real)
        if (jetType == name)
            return "REAL";
    if (jetType == "Numeric")
        return "NUMERIC";
    if (jetType == "Binary" || jetType == "OLE")
        return "BLOB";
    return "TEXT";
}

// The fields that a CREATE INDEX statement of the schema names: "a, b COLLATE NOCASE" gives a and b.
std::vector<std::string> indexFields(const std::string& statement) {
    std::vector<std::string> fields;
    const size_t open = statement.find('(');
    const size_t close = statement.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return fields;
    size_t at = open + 1;
    while (at < close) {
        size_t end = statement.find(',', at);
        if (end == std::string::npos || end > close)
            end = close;
        std::string part = statement.substr(at, end - at);
        part.erase(0, part.find_first_not_of(' '));
        fields.push_back(part.substr(0, part.find(' ')));
        at = end + 1;
    }
    return fields;
}

// The table as our form stores it: its fields with their types, and for a
// catalogue table the schema's indexes whose fields it has.
catalog::TableSpec tableSpec(const catalog::TableListing& listing, bool fromSqlite) {
    catalog::TableSpec spec{listing.name, {}, {}};
    for (const auto& [name, type] : listing.fields)
        spec.fields.push_back({name, fromSqlite ? type : sqliteTypeOfJetField(type)});
    for (const catalog::TableSpec& schema : catalog::catalogTables()) {
        if (!catalog::equalsIgnoringAsciiCase(schema.name, listing.name))
            continue;
        for (const std::string& index : schema.indexes) {
            const std::vector<std::string> needed = indexFields(index);
            const bool complete = std::all_of(needed.begin(), needed.end(), [&](const std::string& field) {
                return std::any_of(spec.fields.begin(), spec.fields.end(), [&](const catalog::FieldSpec& f) {
                    return catalog::equalsIgnoringAsciiCase(f.name, field);
                });
            });
            if (complete)
                spec.indexes.push_back(index);
        }
    }
    return spec;
}

// The table's name as the query language reads it whatever it holds.
std::string bracketed(const std::string& name) {
    return "[" + name + "]";
}

} // namespace

int convertCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: vexorin-catalog convert IN OUT\n";
        return 2;
    }
    const std::string& in = args[0];
    const std::filesystem::path outPath = args[1];
    try {
        PendingFile target(outPath);
        catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(in);
        const bool fromSqlite = isSqliteFile(db.path());
        CatalogFileWriter writer;
        long tables = 0;
        long rows = 0;
        for (const catalog::TableListing& listing : db.tables()) {
            const catalog::TableSpec spec = tableSpec(listing, fromSqlite);
            catalog::SqliteStatement insert = writer.addTable(spec);
            catalog::Recordset source = db.OpenRecordset("SELECT * From " + bracketed(listing.name), 2);
            Row row(spec.fields.size());
            for (; !source.Eof(); source.MoveNext()) {
                for (size_t i = 0; i < row.size(); ++i)
                    row[i] = source.Fields(spec.fields[i].name);
                CatalogFileWriter::insert(insert, row);
                ++rows;
            }
            source.Close();
            ++tables;
        }
        db.Close();
        writer.writeTo(target.temporary());
        target.commit();
        out << "Converted " << in << " to " << outPath.string() << ": " << tables
            << (tables == 1 ? " table, " : " tables, ") << rows << (rows == 1 ? " row\n" : " rows\n");
    } catch (const std::exception& error) {
        err << "vexorin-catalog convert: " << error.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace tools
