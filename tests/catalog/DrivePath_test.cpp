// Design paths mapped onto this machine's drive folder.
#include "catalog/DrivePath.h"
#include "tests/support/CatalogFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(DrivePath, MatchesEachComponentWithoutRegardToCase) {
    testsupport::CatalogFolder folder; // sets VEXORIN_DRIVE_C to a fresh folder with Vexorin/DATA
    std::ofstream(folder.dataDir() / "Tessik-TOYOTA.MDB").put('x');
    const auto dataDir = folder.dataDir().string();
    struct Case {
        const char* design;
        std::string mapped;
    } cases[] = {
        {R"(C:\Vexorin\DATA\Tessik-TOYOTA.MDB)", dataDir + "/Tessik-TOYOTA.MDB"},
        {R"(C:\Vexorin\data\tessik-toyota.mdb)", dataDir + "/Tessik-TOYOTA.MDB"},
        {R"(c:\VEXORIN\Data\Missing\File.MDB)", dataDir + "/Missing/File.MDB"},
        {"C:/Vexorin/DATA/", dataDir},
        {"relative/path.mdb", "relative/path.mdb"},
        {"/already/absolute", "/already/absolute"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.design);
        EXPECT_EQ(catalog::mapDrivePath(c.design), c.mapped);
    }
}

TEST(DrivePath, WithoutTheVariableUsesTheBuildsDriveFolder) {
    testsupport::CatalogFolder folder;
    unsetenv("VEXORIN_DRIVE_C");
    const std::string mapped = catalog::mapDrivePath(R"(C:\Vexorin\DATA\PartsNo.MDB)");
    EXPECT_EQ(std::filesystem::path(mapped).filename(), "PartsNo.MDB");
    EXPECT_EQ(mapped.find(folder.driveC().string()), std::string::npos);
}

} // namespace
