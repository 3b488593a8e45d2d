// vexorin-catalog tables FILE: lists the tables of a catalogue file of either
// stored form, each followed by its fields and their stored types.
#include "tools/CatalogCommands.h"

#include "catalog/CatalogError.h"
#include "catalog/DBEngine.h"

#include <ostream>

namespace tools {

int tablesCommand(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: vexorin-catalog tables FILE\n";
        return 2;
    }
    try {
        catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(args[0]);
        for (const catalog::TableListing& table : db.tables()) {
            out << table.name << '\n';
            for (const auto& [name, type] : table.fields)
                out << '\t' << name << '\t' << type << '\n';
        }
        db.Close();
    } catch (const catalog::CatalogError& error) {
        err << "vexorin-catalog tables: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace tools
