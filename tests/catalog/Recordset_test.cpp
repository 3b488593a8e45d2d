// The object model on SQLite catalogue files: open, count, move, read, close.
#include "catalog/CatalogError.h"
#include "catalog/DBEngine.h"
#include "tests/support/CatalogFixture.h"

#include <gtest/gtest.h>

using catalog::CatalogError;
using catalog::DBEngine;
using catalog::FieldValue;
using testsupport::CatalogFolder;
using testsupport::Null;

namespace {

const char* const PartsNoPath = R"(C:\Vexorin\DATA\PartsNo.MDB)";

void writeParts(const CatalogFolder& folder) {
    folder.write("PartsNo.MDB",
                 {{"PartsMaster",
                   {"PartsNo TEXT", "BearingNo TEXT", "OtherMk TEXT"},
                   {{"ab-2", "B2", "*"}, {"AB-1", "B1", ""}, {"xy-1", Null, Null}, {"ab-3", "B3", " "}},
                   {"CREATE INDEX PartsMaster_PartsNo ON PartsMaster(PartsNo COLLATE NOCASE)"}}});
}

TEST(Recordset, CountsAtOnceAndStartsOnTheFirstRowInStoredOrder) {
    CatalogFolder folder;
    writeParts(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(PartsNoPath);
    catalog::Recordset rs = db.OpenRecordset(R"(SELECT * From PartsMaster WHERE PartsNo Like "ab*")", 2);
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.Fields("partsno").toText(), "ab-2");
    rs.MoveFirst();
    std::vector<std::string> seen;
    for (; !rs.Eof(); rs.MoveNext())
        seen.push_back(rs.Fields("PartsNo").toText());
    EXPECT_EQ(seen, (std::vector<std::string>{"ab-2", "AB-1", "ab-3"}));
    EXPECT_THROW(rs.MoveNext(), CatalogError);
    EXPECT_THROW(rs.Fields("PartsNo"), CatalogError);
    rs.MoveFirst();
    EXPECT_EQ(rs.Fields("PartsNo").toText(), "ab-2");
    rs.Close();
    db.Close();
}

TEST(Recordset, TellsNullFromTheEmptyText) {
    CatalogFolder folder;
    writeParts(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(PartsNoPath);
    catalog::Recordset rs = db.OpenRecordset("SELECT * From PartsMaster", 2);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("OtherMk"), FieldValue::text(""));
    rs.MoveNext();
    EXPECT_TRUE(rs.Fields("OtherMk").isNull());
    EXPECT_TRUE(rs.Fields("BearingNo").isEmpty());
}

// The rows of the result as "PartsNo/BearingNo/OtherMk" lines, from the current row on.
std::vector<std::string> rowsFromHere(catalog::Recordset& rs) {
    std::vector<std::string> rows;
    const auto text = [](const FieldValue& value) { return value.isNull() ? std::string("<Null>") : value.toText(); };
    for (; !rs.Eof(); rs.MoveNext())
        rows.push_back(text(rs.Fields("PartsNo")) + "/" + text(rs.Fields("BearingNo")) + "/" +
                       text(rs.Fields("OtherMk")));
    return rows;
}

TEST(Recordset, MoveFirstStartsOverInEveryKindOfResult) {
    CatalogFolder folder;
    writeParts(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(PartsNoPath);
    const struct {
        const char* name;
        const char* query;
        std::vector<std::string> rows;
    } cases[] = {
        {"whole table", "SELECT * From PartsMaster", {"ab-2/B2/*", "AB-1/B1/", "xy-1/<Null>/<Null>", "ab-3/B3/ "}},
        {"index lookup, stored order", R"(SELECT * From PartsMaster WHERE PartsNo Like "AB*")",
         {"ab-2/B2/*", "AB-1/B1/", "ab-3/B3/ "}},
        {"Order By", "SELECT * From PartsMaster Order By BearingNo",
         {"xy-1/<Null>/<Null>", "AB-1/B1/", "ab-2/B2/*", "ab-3/B3/ "}},
        {"DISTINCT", R"(SELECT DISTINCT PartsNo, BearingNo, OtherMk From PartsMaster WHERE OtherMk = "*")",
         {"ab-2/B2/*"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        catalog::Recordset rs = db.OpenRecordset(c.query, 2);
        EXPECT_EQ(rs.RecordCount(), static_cast<long>(c.rows.size()));
        EXPECT_EQ(rowsFromHere(rs), c.rows);
        rs.MoveFirst();
        EXPECT_EQ(rowsFromHere(rs), c.rows);
    }
}

TEST(Recordset, FieldNamesMatchInAnyCaseAndOrderRowAfterRow) {
    CatalogFolder folder;
    writeParts(folder);
    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(PartsNoPath);
    for (const char* query : {"SELECT * From PartsMaster", R"(SELECT * From PartsMaster WHERE PartsNo Like "*-*")"}) {
        SCOPED_TRACE(query);
        catalog::Recordset rs = db.OpenRecordset(query, 2);
        std::vector<std::string> seen;
        for (int row = 0; !rs.Eof(); rs.MoveNext(), ++row) {
            // The order of the names changes from row to row, and one name comes in two spellings.
            const std::vector<std::string> names = row % 2
                                                       ? std::vector<std::string>{"OTHERMK", "partsno", "PartsNo"}
                                                       : std::vector<std::string>{"PartsNo", "BearingNo", "partsno"};
            std::string line;
            for (const std::string& name : names) {
                const FieldValue value = row % 2 ? rs.Fields(name) : rs.Fields(name.c_str());
                line += (value.isNull() ? "<Null>" : value.toText()) + "|";
            }
            seen.push_back(line);
            EXPECT_THROW(rs.Fields("Parts"), CatalogError);
        }
        EXPECT_EQ(seen,
                  (std::vector<std::string>{"ab-2|B2|ab-2|", "|AB-1|AB-1|", "xy-1|<Null>|xy-1|", " |ab-3|ab-3|"}));
        EXPECT_THROW(rs.Fields(nullptr), CatalogError);
    }
}

TEST(Recordset, EveryOperationOnNothingOrClosedFails) {
    CatalogFolder folder;
    writeParts(folder);
    catalog::Recordset none;
    EXPECT_THROW(none.RecordCount(), CatalogError);
    EXPECT_THROW(none.Eof(), CatalogError);
    catalog::Database noDb;
    EXPECT_THROW(noDb.OpenRecordset("SELECT * From PartsMaster"), CatalogError);

    catalog::Database db = DBEngine::Workspaces(0).OpenDatabase(PartsNoPath);
    catalog::Recordset rs = db.OpenRecordset("SELECT * From PartsMaster", 2);
    rs.Close();
    EXPECT_THROW(rs.RecordCount(), CatalogError);
    EXPECT_THROW(rs.Close(), CatalogError);
    catalog::Recordset second = db.OpenRecordset("SELECT * From PartsMaster", 2);
    db.Close();
    EXPECT_THROW(second.MoveNext(), CatalogError);
    EXPECT_THROW(db.OpenRecordset("SELECT * From PartsMaster"), CatalogError);
}

} // namespace
