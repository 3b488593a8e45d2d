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
