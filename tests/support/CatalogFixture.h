// Small catalogue folders made by a test: a temporary drive C: holding
// Vexorin/DATA with SQLite catalogue files, pointed to by VEXORIN_DRIVE_C.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace testsupport {

// A stored value: Null, a text or a whole number.
using Cell = std::variant<std::monostate, std::string, long long>;
using Row = std::vector<Cell>;

inline const Cell Null{};

struct Table {
    std::string name;
    // Column declarations as SQLite reads them: "PartsNo TEXT", "Class INTEGER".
    std::vector<std::string> columns;
    std::vector<Row> rows;
    // Extra statements run after the rows, such as "CREATE INDEX ...".
    std::vector<std::string> statements;
};

// Writes one SQLite file holding the tables; throws std::runtime_error on failure.
void writeSqliteFile(const std::filesystem::path& file, const std::vector<Table>& tables);

class CatalogFolder {
public:
    // Creates a fresh temporary drive folder with Vexorin/DATA and sets
    // VEXORIN_DRIVE_C to it; the destructor removes it and restores the variable.
    CatalogFolder();
    ~CatalogFolder();
    CatalogFolder(const CatalogFolder&) = delete;
    CatalogFolder& operator=(const CatalogFolder&) = delete;

    const std::filesystem::path& driveC() const { return m_driveC; }
    std::filesystem::path dataDir() const { return m_driveC / "Vexorin" / "DATA"; }
    // Writes dataDir()/fileName ("PartsNo.MDB", "Tessik-TOYOTA.MDB").
    void write(const std::string& fileName, const std::vector<Table>& tables) const;

private:
    std::filesystem::path m_driveC;
    std::optional<std::string> m_previous;
};

} // namespace testsupport
