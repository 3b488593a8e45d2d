#include "catalog/JetSource.h"

#include "catalog/CatalogError.h"
#include "catalog/JetCopy.h"
#include "catalog/JetReaderProcess.h"

#include <filesystem>
#include <map>

namespace catalog {
namespace {

namespace fs = std::filesystem;

struct CachedCopy {
    std::uintmax_t size = 0;
    fs::file_time_type modified;
    std::shared_ptr<JetCopy> copy;
};

// The program has one thread: the cache needs no lock.
std::map<std::string, CachedCopy>& cache() {
    static std::map<std::string, CachedCopy> copies;
    return copies;
}

} // namespace

JetSource::JetSource(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    const fs::file_time_type modified = fs::last_write_time(path, error);
    if (error)
        throw CatalogError("Cannot open the catalogue database " + path + ": " + error.message());
    CachedCopy& cached = cache()[path];
    if (!cached.copy || cached.size != size || cached.modified != modified) {
        // A new version replaces the old copy; Databases still open on the old one keep it alive.
        cached.copy.reset();
        cached.copy = std::make_shared<JetCopy>(path, size, JetReaderProcess::helperPath());
        cached.size = size;
        cached.modified = modified;
    }
    m_copy = cached.copy;
}

const std::string& JetSource::path() const {
    return m_copy->path();
}

const TableSchema& JetSource::table(const std::string& name, SqliteConnection** connection) {
    return m_copy->table(name, connection);
}

std::vector<TableListing> JetSource::listTables() {
    return m_copy->listTables();
}

} // namespace catalog
