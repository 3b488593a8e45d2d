#include "catalog/DBEngine.h"

#include "catalog/CatalogError.h"
#include "catalog/DatabaseImpl.h"
#include "catalog/DrivePath.h"
#include "catalog/JetSource.h"
#include "catalog/SqliteSource.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace catalog {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void cannotOpen(const std::string& path, const std::string& why) {
    throw CatalogError("Cannot open the catalogue database " + path + ": " + why);
}

enum class StoredForm { Sqlite, Jet };

// Tells the stored form by the file's first bytes, whatever its name.
StoredForm storedForm(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status))
        cannotOpen(path, "the file does not exist");
    if (fs::is_directory(status))
        cannotOpen(path, "it is a folder, not a database file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        cannotOpen(path, std::string("the file cannot be read (") + std::strerror(errno) + ")");
    char header[32] = {};
    in.read(header, sizeof header);
    const auto got = static_cast<size_t>(in.gcount());
    if (got == 0)
        cannotOpen(path, "the file is empty");
    if (got >= 16 && std::memcmp(header, "SQLite format 3", 16) == 0)
        return StoredForm::Sqlite;
    if (got >= 19 && std::memcmp(header + 4, "Standard Jet DB", 15) == 0)
        return StoredForm::Jet;
    cannotOpen(path, "the file is neither an SQLite nor a Jet database");
}

} // namespace

Database Workspace::OpenDatabase(const std::string& path) {
    const std::string mapped = mapDrivePath(path);
    std::shared_ptr<CatalogSource> source;
    switch (storedForm(mapped)) {
    case StoredForm::Sqlite:
        source = SqliteSource::open(mapped);
        break;
    case StoredForm::Jet:
        source = std::make_shared<JetSource>(mapped);
        break;
    }
    return Database(std::make_unique<Database::Impl>(std::move(source)));
}

Workspace& DBEngine::Workspaces(int index) {
    static Workspace workspace;
    if (index != 0)
        throw CatalogError("Workspaces(" + std::to_string(index) + "): only workspace 0 exists");
    return workspace;
}

} // namespace catalog
