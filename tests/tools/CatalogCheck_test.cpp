// vexorin-catalog check: each kind of fault in a small crafted folder gives its one line.
#include "ToolRun.h"

#include "catalog/CatalogSchema.h"
#include "tests/support/CatalogFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

namespace tooltest {
namespace {

namespace fs = std::filesystem;
using testsupport::Cell;
using testsupport::Null;
using testsupport::Row;
using testsupport::Table;

// The file names of a folder and their tables; a file without tables is not written.
using Folder = std::map<std::string, std::optional<std::vector<Table>>>;

Table schemaTable(int index, std::vector<Row> rows) {
    const catalog::TableSpec& spec = catalog::catalogTables()[index];
    Table table{spec.name, {}, std::move(rows), {}};
    for (const catalog::FieldSpec& field : spec.fields)
        table.columns.push_back(field.name + " " + field.sqlType);
    return table;
}

Row partLine(const std::string& carNo, Cell carClass) {
    return {carNo,
            std::string("1"),
            carClass,
            1LL,
            std::string("BEARING, FRONT AXLE HUB"),
            std::string("LR"),
            std::string("90369-10001"),
            std::string("6204-2RS"),
            std::string("*")};
}

Row specRow(const std::string& carNo, Cell carClass) {
    return {carNo,
            carClass,
            std::string("E-AE100"),
            std::string("SEDAN"),
            std::string("1995"),
            std::string("AE100-AEMEK"),
            std::string("1600"),
            std::string("4A-FE"),
            std::string("5MT")};
}

// A clean folder: two models per maker, the second of two classes.
Folder cleanFolder() {
    Folder folder;
    folder["PartsNo.MDB"] = std::vector<Table>{
        schemaTable(0, {{std::string("90369-10001"), std::string("6204-2RS"), std::string("*")}, {Null, Null, Null}})};
    for (const std::string& maker : Makers)
        folder["Tessik-" + maker + ".MDB"] = std::vector<Table>{
            schemaTable(
                1, {{maker, std::string("ALPHA"), std::string("C1")}, {maker, std::string("BETA"), std::string("C2")}}),
            schemaTable(2, {partLine("C1", 1LL), partLine("C2", 1LL), partLine("C2", 2LL)}),
            schemaTable(3, {specRow("C1", 1LL), specRow("C2", 1LL), specRow("C2", 2LL)}),
        };
    return folder;
}

Table& table(Folder& folder, const std::string& file, const std::string& name) {
    auto& tables = *folder.at(file);
    return *std::find_if(tables.begin(), tables.end(), [&](const Table& t) { return t.name == name; });
}

void writeFolder(const Folder& folder, const fs::path& dir) {
    for (const auto& [name, tables] : folder)
        if (tables)
            testsupport::writeSqliteFile(dir / name, *tables);
}

void dropColumn(Table& table, const std::string& name) {
    const auto at = std::find_if(table.columns.begin(), table.columns.end(),
                                 [&](const std::string& column) { return column.starts_with(name + " "); });
    const auto index = at - table.columns.begin();
    table.columns.erase(at);
    for (Row& row : table.rows)
        row.erase(row.begin() + index);
}

struct CheckCase {
    const char* name;
    std::function<void(Folder&, const fs::path& dir)> fault;
    // The finding lines expected; one ending in "..." needs only to begin so.
    std::vector<std::string> findings;
};

const std::string Toyota = "Tessik-TOYOTA.MDB";

std::vector<CheckCase> checkCases() {
    return {
        {"clean folder", [](Folder&, const fs::path&) {}, {}},
        {"file names in another case are found",
         [](Folder& f, const fs::path&) {
             f["tessik-honda.mdb"] = f["Tessik-HONDA.MDB"];
             f.erase("Tessik-HONDA.MDB");
         },
         {}},
        {"car numbers compare without regard to case",
         [](Folder& f, const fs::path&) { table(f, Toyota, "PartsStructure").rows.push_back(partLine("c1", 1LL)); },
         {}},
        {"parts-number file missing",
         [](Folder& f, const fs::path&) { f.erase("PartsNo.MDB"); },
         {"PartsNo.MDB: the file is missing"}},
        {"maker file missing",
         [](Folder& f, const fs::path&) { f.erase("Tessik-SUBARU.MDB"); },
         {"Tessik-SUBARU.MDB: the file is missing"}},
        {"table missing",
         [](Folder& f, const fs::path&) {
             auto& tables = *f[Toyota];
             tables.pop_back();
         },
         {"Tessik-TOYOTA.MDB: table CarSpecMaster is missing"}},
        {"fields missing",
         [](Folder& f, const fs::path&) {
             dropColumn(table(f, "PartsNo.MDB", "PartsMaster"), "OtherMk");
             dropColumn(table(f, "Tessik-NISSAN.MDB", "PartsStructure"), "RL");
         },
         {"PartsNo.MDB: PartsMaster: field OtherMk is missing",
          "Tessik-NISSAN.MDB: PartsStructure: field RL is missing"}},
        {"classes with a gap",
         [](Folder& f, const fs::path&) { std::get<long long>(table(f, Toyota, "PartsStructure").rows[2][2]) = 3; },
         {"Tessik-TOYOTA.MDB: PartsStructure: the classes of car \"C2\" are 1, 3, not 1 to 2"}},
        {"classes not from 1",
         [](Folder& f, const fs::path&) { table(f, Toyota, "PartsStructure").rows[0][2] = 2LL; },
         {"Tessik-TOYOTA.MDB: PartsStructure: the classes of car \"C1\" are 2, not 1 to 1"}},
        {"class of letters",
         [](Folder& f, const fs::path&) {
             table(f, Toyota, "PartsStructure").rows.push_back(partLine("C1", std::string("A")));
         },
         {"Tessik-TOYOTA.MDB: PartsStructure: car \"C1\" has the Class \"A\", which is not a whole number",
          "Tessik-TOYOTA.MDB: PartsStructure: the classes of car \"C1\" are 1, \"A\", not 1 to 2"}},
        {"specification classes Null and fraction",
         [](Folder& f, const fs::path&) {
             table(f, Toyota, "CarSpecMaster").rows[0][1] = Null;
             table(f, Toyota, "CarSpecMaster").rows[1][1] = std::string("1.5");
         },
         {"Tessik-TOYOTA.MDB: CarSpecMaster: car \"C1\" has the Class Null, which is not a whole number",
          "Tessik-TOYOTA.MDB: CarSpecMaster: car \"C2\" has the Class 1.5, which is not a whole number"}},
        {"car numbers missing from MakerMaster",
         [](Folder& f, const fs::path&) {
             table(f, Toyota, "PartsStructure").rows.push_back(partLine("X9", 1LL));
             table(f, Toyota, "CarSpecMaster").rows.push_back(specRow("X9", 1LL));
             table(f, Toyota, "CarSpecMaster").rows.push_back(specRow("X9", 1LL));
         },
         {"Tessik-TOYOTA.MDB: PartsStructure: car number \"X9\" has no row in MakerMaster (1 row)",
          "Tessik-TOYOTA.MDB: CarSpecMaster: car number \"X9\" has no row in MakerMaster (2 rows)"}},
        {"duplicate car number",
         [](Folder& f, const fs::path&) {
             table(f, Toyota, "MakerMaster")
                 .rows.push_back({std::string("TOYOTA"), std::string("GAMMA"), std::string("c2")});
         },
         {"Tessik-TOYOTA.MDB: MakerMaster: car number \"C2\" belongs to 2 models: \"BETA\", \"GAMMA\""}},
        {"double quote in a car number",
         [](Folder& f, const fs::path&) {
             table(f, Toyota, "MakerMaster")
                 .rows.push_back({std::string("TOYOTA"), std::string("DELTA"), std::string("C\"3")});
         },
         {"Tessik-TOYOTA.MDB: MakerMaster: car number \"C\"3\" of model \"DELTA\" holds a double quote, which "
          "breaks the lookups' queries"}},
        {"model without car number",
         [](Folder& f, const fs::path&) {
             table(f, Toyota, "MakerMaster").rows.push_back({std::string("TOYOTA"), std::string("EPSILON"), Null});
         },
         {"Tessik-TOYOTA.MDB: MakerMaster: model \"EPSILON\" has no car number"}},
        {"no model of the maker",
         [](Folder& f, const fs::path&) {
             for (Row& row : table(f, "Tessik-MAZDA.MDB", "MakerMaster").rows)
                 row[0] = std::string("MAZDA MOTOR");
         },
         {"Tessik-MAZDA.MDB: MakerMaster: no model has the maker name MAZDA, so the maker lists no models"}},
        {"file that is no database",
         [](Folder& f, const fs::path& dir) {
             f["Tessik-ISUZU.MDB"].reset();
             std::ofstream(dir / "Tessik-ISUZU.MDB") << "not a database";
         },
         {"Tessik-ISUZU.MDB: cannot be read: ..."}},
    };
}

void expectFindings(const std::vector<std::string>& lines, const std::vector<std::string>& expected) {
    ASSERT_EQ(lines.size(), expected.size()) << testing::PrintToString(lines);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (expected[i].ends_with("..."))
            EXPECT_TRUE(lines[i].starts_with(expected[i].substr(0, expected[i].size() - 3))) << lines[i];
        else
            EXPECT_EQ(lines[i], expected[i]);
    }
}

TEST(CatalogCheck, FindsEachKindOfFault) {
    for (const CheckCase& c : checkCases()) {
        SCOPED_TRACE(c.name);
        testsupport::CatalogFolder dir;
        Folder folder = cleanFolder();
        c.fault(folder, dir.dataDir());
        writeFolder(folder, dir.dataDir());
        const ToolResult result = runTool({"check", dir.dataDir().string()});
        EXPECT_EQ(result.exitCode, c.findings.empty() ? 0 : 1) << result.out << result.err;
        expectFindings(result.outLines(), c.findings);
    }
}

TEST(CatalogCheck, ReadsJetFilesToo) {
    const fs::path jet = jetTestData();
    if (jet.empty())
        GTEST_SKIP() << "the shared Jet test files are absent";
    testsupport::CatalogFolder dir;
    Folder folder = cleanFolder();
    folder["Tessik-ISUZU.MDB"].reset();
    writeFolder(folder, dir.dataDir());
    fs::copy_file(jet / "testV1997.mdb", dir.dataDir() / "Tessik-ISUZU.MDB");
    const ToolResult result = runTool({"check", dir.dataDir().string()});
    EXPECT_EQ(result.exitCode, 1);
    expectFindings(result.outLines(), {"Tessik-ISUZU.MDB: table MakerMaster is missing",
                                       "Tessik-ISUZU.MDB: table PartsStructure is missing",
                                       "Tessik-ISUZU.MDB: table CarSpecMaster is missing"});
}

TEST(CatalogCheck, RefusesWhatIsNoFolder) {
    testsupport::CatalogFolder dir;
    const ToolResult result = runTool({"check", (dir.dataDir() / "absent").string()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("is not a folder"), std::string::npos) << result.err;
    EXPECT_EQ(runTool({"check"}).exitCode, 2);
}

} // namespace
} // namespace tooltest
