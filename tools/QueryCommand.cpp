// vexorin-catalog query FILE QUERY: runs one query of the catalogue query
// language on either stored form and prints the result as tab-separated lines.
#include "tools/CatalogCommands.h"

#include "catalog/CatalogError.h"
#include "catalog/DBEngine.h"

#include <ostream>

namespace tools {
namespace {

// Tab, newline, carriage return and backslash escaped, so that every row is one line.
void writeEscaped(std::ostream& out, const std::string& text) {
    for (const char c : text) {
        switch (c) {
        case '\t':
            out << "\\t";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\\':
            out << "\\\\";
            break;
        default:
            out << c;
        }
    }
}

} // namespace

int queryCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: vexorin-catalog query FILE QUERY\n";
        return 2;
    }
    try {
        catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(args[0]);
        catalog::Recordset rs = db.OpenRecordset(args[1], 2);
        const std::vector<std::string> names = rs.fieldNames();
        for (size_t i = 0; i < names.size(); ++i) {
            out << (i ? "\t" : "");
            writeEscaped(out, names[i]);
        }
        out << '\n';
        for (; !rs.Eof(); rs.MoveNext()) {
            for (size_t i = 0; i < names.size(); ++i) {
                out << (i ? "\t" : "");
                const catalog::FieldValue value = rs.Fields(names[i]);
                if (value.isNull())
                    out << "\\N";
                else
                    writeEscaped(out, value.toText());
            }
            out << '\n';
        }
        rs.Close();
        db.Close();
    } catch (const catalog::CatalogError& error) {
        err << "vexorin-catalog query: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace tools
