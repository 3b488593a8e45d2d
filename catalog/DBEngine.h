// Entry point of the catalogue object model: DBEngine.Workspaces(0).OpenDatabase(path).
//
//     catalog::Database db = catalog::DBEngine::Workspaces(0).OpenDatabase(R"(C:\Vexorin\DATA\PartsNo.MDB)");
//     catalog::Recordset rs = db.OpenRecordset("SELECT * From PartsMaster", 2);
#pragma once

#include "catalog/Database.h"

#include <string>

namespace catalog {

class Workspace {
public:
    // Opens a catalogue file read-only, whatever its stored form (told apart by
    // its content). The path may be a design path ("C:\..."), mapped through
    // mapDrivePath. Throws CatalogError for a missing file, a folder, an empty,
    // truncated or damaged file, or a file of another kind.
    Database OpenDatabase(const std::string& path);
};

class DBEngine {
public:
    // Only workspace 0 exists; any other index throws CatalogError.
    static Workspace& Workspaces(int index);
};

} // namespace catalog
