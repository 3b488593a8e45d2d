// What queries yield on our SQLite form: case rules, numbers against texts,
// DISTINCT order, index use of a Like prefix, failures of the open, and no
// file created beside the catalogue.
#include "catalog/CatalogError.h"
#include "catalog/DBEngine.h"
#include "catalog/QueryParser.h"
#include "catalog/SqlTranslator.h"
#include "catalog/SqliteConnection.h"
#include "catalog/SqliteStatement.h"
#include "tests/catalog/FolderSnapshot.h"
#include "tests/support/CatalogFixture.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <fstream>

using catalog::CatalogError;
using catalog::DBEngine;
using testsupport::CatalogFolder;
using testsupport::Null;

namespace fs = std::filesystem;

namespace {

const char* const MakerPath = R"(C:\Vexorin\DATA\Tessik-TOYOTA.MDB)";

// Class stored as INTEGER in PartsStructure and as digits in TEXT in CarSpecMaster.
void writeMaker(const CatalogFolder& folder) {
    folder.write("Tessik-TOYOTA.MDB",
                 {{"MakerMaster",
                   {"MakerName TEXT", "CarName TEXT", "CarNo TEXT"},
                   {{"TOYOTA", "Corolla", "T-0012"}, {"toyota", "Camry", "T-0003"}, {"NISSAN", "Sunny", "N-0001"}},
                   {"CREATE INDEX MakerMaster_MakerName ON MakerMaster(MakerName COLLATE NOCASE, CarNo)"}},
                  {"PartsStructure",
                   {"CarNo TEXT", "Application TEXT", "Class INTEGER", "PartsName TEXT"},
                   {{"T-0012", "1", 10LL, "hub"},
                    {"t-0012", "1", 2LL, "strut"},
                    {"T-0012", "2", 1LL, "arm"},
                    {"T-0012", "1", 2LL, "knuckle"},
                    {"12", "1", 1LL, "numbered car"}},
                   {}},
                  {"CarSpecMaster",
                   {"CarNo TEXT", "Class TEXT", "CarCode TEXT", "Year TEXT"},
                   {{"T-0012", "2", "AE100", "1991"}, {"T-0012", "10", "AE101", Null}, {"T-0012", "02", "AE102", ""}},
                   {}}});
}

std::vector<std::string> column(const std::string& query, const std::string& field) {
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(MakerPath);
    catalog::Recordset rs = db.OpenRecordset(query, 2);
    std::vector<std::string> values;
    for (; !rs.Eof(); rs.MoveNext()) {
        const catalog::FieldValue value = rs.Fields(field);
        values.push_back(value.isNull() ? "<Null>" : value.toText());
    }
    EXPECT_EQ(rs.RecordCount(), static_cast<long>(values.size())) << query;
    return values;
}

struct QueryCase {
    const char* name;
    const char* query;
    const char* field;
    std::vector<std::string> rows;
};

const QueryCase QueryCases[] = {
    {"= ignores ASCII case, Order By", R"(SELECT CarName,CarNo From MakerMaster WHERE MakerName = "Toyota" Order By CarNo)",
     "CarName", {"Camry", "Corolla"}},
    {"DISTINCT ascending, numbers by value", R"(SELECT DISTINCT Class From PartsStructure WHERE CarNo = "T-0012")",
     "Class", {"1", "2", "10"}},
    {"And right after the quote, stored order",
     R"(SELECT * From PartsStructure WHERE CarNo ="T-0012"And Application = "1")", "PartsName",
     {"hub", "strut", "knuckle"}},
    {"digits in TEXT match a number by value",
     R"(SELECT * From CarSpecMaster WHERE CarNo = "T-0012" And Class = 2)", "CarCode", {"AE100", "AE102"}},
    {"a number field against digits in quotes", R"(SELECT * From PartsStructure WHERE Class = "10")", "PartsName",
     {"hub"}},
    {"a text field holding digits against digits in quotes", R"(SELECT * From PartsStructure WHERE CarNo = "12")",
     "PartsName", {"numbered car"}},
    {"a text field against a bare number", "SELECT * From PartsStructure WHERE CarNo = 12", "PartsName",
     {"numbered car"}},
    {"DISTINCT of digits in TEXT by value", R"(SELECT DISTINCT Class From CarSpecMaster)", "Class",
     {"02", "2", "10"}},
    {"Like with a list and a digit", R"(SELECT * From MakerMaster WHERE CarNo Like "[!N]-00#2")", "CarName",
     {"Corolla"}},
    {"Like ignores ASCII case", R"(SELECT * From MakerMaster WHERE MakerName Like "toy*")", "CarName",
     {"Corolla", "Camry"}},
    {"Null and empty kept apart", R"(SELECT * From CarSpecMaster)", "Year", {"1991", "<Null>", ""}},
    {"no row", R"(SELECT * From MakerMaster WHERE MakerName = "HONDA")", "CarName", {}},
};

TEST(Queries, YieldTheRowsOfTheQueryLanguage) {
    CatalogFolder folder;
    writeMaker(folder);
    for (const QueryCase& c : QueryCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(column(c.query, c.field), c.rows);
    }
}

TEST(Queries, AnEmptyResultIsAtItsEndAtOnce) {
    CatalogFolder folder;
    writeMaker(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(MakerPath);
    catalog::Recordset rs = db.OpenRecordset(R"(SELECT * From MakerMaster WHERE MakerName = "HONDA")", 2);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.Fields("CarName"), CatalogError);
    EXPECT_THROW(rs.MoveNext(), CatalogError);
}

TEST(Queries, ASecondOpenIntoTheSameVariableDropsTheFirst) {
    CatalogFolder folder;
    writeMaker(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(MakerPath);
    catalog::Recordset rs = db.OpenRecordset("SELECT DISTINCT CarCode From CarSpecMaster", 2);
    rs = db.OpenRecordset(R"(SELECT * From MakerMaster WHERE MakerName = "NISSAN")", 2);
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("CarName").toText(), "Sunny");
}

TEST(Queries, UnknownTablesAndFieldsAreNamed) {
    CatalogFolder folder;
    writeMaker(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(MakerPath);
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT * From PartsMaster", "\"PartsMaster\""},
        {"SELECT Nothing From MakerMaster", "\"Nothing\""},
        {R"(SELECT * From MakerMaster WHERE Maker = "x")", "\"Maker\""},
        {"SELECT * From MakerMaster Order By Year", "\"Year\""},
    };
    for (const auto& [query, named] : cases) {
        try {
            db.OpenRecordset(query, 2);
            ADD_FAILURE() << "accepted: " << query;
        } catch (const CatalogError& error) {
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("Tessik-TOYOTA.MDB"), std::string::npos) << error.what();
        }
    }
}

TEST(Queries, ALikePrefixUsesTheIndex) {
    CatalogFolder folder;
    folder.write("PartsNo.MDB", {{"PartsMaster",
                                  {"PartsNo TEXT", "BearingNo TEXT", "OtherMk TEXT"},
                                  {{"90311-1", "B", ""}},
                                  {"CREATE INDEX PartsMaster_PartsNo ON PartsMaster(PartsNo COLLATE NOCASE)"}}});
    const auto connection = catalog::SqliteConnection::openReadOnly((folder.dataDir() / "PartsNo.MDB").string());
    const auto table = catalog::readTableSchema(connection, "PartsMaster");
    ASSERT_TRUE(table);
    for (const char* pattern : {"90311*", "ab@*", "9?31*", "Ab[cd]*"}) {
        SCOPED_TRACE(pattern);
        const auto sql = catalog::translateQuery(
            catalog::parseQuery(std::string("SELECT * From PartsMaster WHERE PartsNo Like \"") + pattern + "\""),
            *table, "PartsNo.MDB");
        // A filtered query is counted as its rows are read: it has no count statement.
        EXPECT_TRUE(sql.count.empty());
        catalog::SqliteStatement plan(connection, "EXPLAIN QUERY PLAN " + sql.select);
        for (size_t i = 0; i < sql.parameters.size(); ++i)
            plan.bind(static_cast<int>(i) + 1, sql.parameters[i]);
        std::string details;
        while (plan.step())
            details += plan.text(3) + "; ";
        EXPECT_NE(details.find("INDEX PartsMaster_PartsNo (PartsNo>? AND PartsNo<?)"), std::string::npos) << details;
    }
}

struct OpenCase {
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* named;
};

TEST(Queries, EveryUnreadableFileFailsTheOpen) {
    CatalogFolder folder;
    writeMaker(folder);
    const fs::path good = folder.dataDir() / "Tessik-TOYOTA.MDB";
    const OpenCase cases[] = {
        {"missing", [](const fs::path&) {}, "does not exist"},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, "folder"},
        {"empty", [](const fs::path& p) { std::ofstream{p}; }, "empty"},
        {"another kind", [](const fs::path& p) { std::ofstream{p} << "PK\x03\x04 a zip archive, not a database"; },
         "neither"},
        {"truncated SQLite", [&](const fs::path& p) {
             fs::copy_file(good, p);
             fs::resize_file(p, 100);
         }, "Tessik-BAD.MDB"},
        {"truncated Jet", [](const fs::path& p) { std::ofstream{p} << std::string(4, '\0') << "Standard Jet DB"; },
         "Tessik-BAD.MDB"},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path bad = folder.dataDir() / "Tessik-BAD.MDB";
        fs::remove_all(bad);
        c.make(bad);
        try {
            catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(R"(C:\Vexorin\DATA\Tessik-BAD.MDB)");
            db.OpenRecordset("SELECT * From MakerMaster", 2).RecordCount();
            ADD_FAILURE() << "opened";
        } catch (const CatalogError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

TEST(Queries, NothingIsCreatedBesideTheFileAlsoInWalMode) {
    CatalogFolder folder;
    writeMaker(folder);
    folder.write("PartsNo.MDB", {{"PartsMaster", {"PartsNo TEXT"}, {{"1"}}, {"PRAGMA journal_mode=WAL"}}});
    const auto before = cattest::snapshot(folder.dataDir());
    for (const char* path : {MakerPath, R"(C:\Vexorin\DATA\PartsNo.MDB)"}) {
        SCOPED_TRACE(path);
        catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(path);
        catalog::Recordset rs = db.OpenRecordset(db.tables().front().name == "PartsMaster"
                                                     ? "SELECT * From PartsMaster"
                                                     : R"(SELECT * From MakerMaster WHERE CarNo Like "T*")",
                                                 2);
        EXPECT_GE(rs.RecordCount(), 1);
        EXPECT_EQ(cattest::snapshot(folder.dataDir()), before);
        rs.Close();
        db.Close();
    }
    EXPECT_EQ(cattest::snapshot(folder.dataDir()), before);
}

} // namespace
