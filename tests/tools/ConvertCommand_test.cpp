// vexorin-catalog convert: every table answers the same queries afterwards, and no file is ever written over.
#include "ToolRun.h"

#include "tests/support/CatalogFixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tooltest {
namespace {

namespace fs = std::filesystem;
using testsupport::Null;

// The table names that "tables FILE" lists (its lines that are no field lines).
std::vector<std::string> tableNames(const fs::path& file) {
    const ToolResult result = runTool({"tables", file.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> names;
    for (const std::string& line : result.outLines())
        if (!line.empty() && line[0] != '\t')
            names.push_back(line);
    return names;
}

void expectSameAnswers(const fs::path& in, const fs::path& out, const std::vector<std::string>& queries) {
    for (const std::string& query : queries) {
        const ToolResult original = runTool({"query", in.string(), query});
        const ToolResult converted = runTool({"query", out.string(), query});
        EXPECT_EQ(original.exitCode, 0) << query << ": " << original.err;
        EXPECT_EQ(converted.exitCode, 0) << query << ": " << converted.err;
        EXPECT_EQ(converted.out, original.out) << in.filename() << ": " << query;
    }
}

TEST(ConvertCommand, EveryRealJetFileGivesTheSameRows) {
    const fs::path jet = jetTestData();
    if (jet.empty())
        GTEST_SKIP() << "the shared Jet test files are absent";
    testsupport::CatalogFolder dir;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(jet)) {
        if (entry.path().extension() != ".mdb")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        const fs::path out = dir.dataDir() / (entry.path().stem().string() + ".sqlite");
        const ToolResult result = runTool({"convert", entry.path().string(), out.string()});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::vector<std::string> tables = tableNames(entry.path());
        EXPECT_FALSE(tables.empty());
        EXPECT_EQ(tableNames(out), tables);
        std::vector<std::string> queries;
        for (const std::string& table : tables)
            queries.push_back("SELECT * From [" + table + "]");
        expectSameAnswers(entry.path(), out, queries);
        ++files;
    }
    EXPECT_GE(files, 5);
}

TEST(ConvertCommand, OurOwnFileKeepsValuesNullsAndGetsTheIndexes) {
    testsupport::CatalogFolder dir;
    const fs::path in = dir.dataDir() / "in.MDB";
    testsupport::writeSqliteFile(in,
                                 {{"PartsStructure",
                                   {"CarNo TEXT", "Application TEXT", "Class INTEGER", "DispLevel INTEGER",
                                    "PartsName TEXT", "RL TEXT", "PartsNo TEXT", "BearingNo TEXT", "OtherMk TEXT"},
                                   {{std::string("T1"), std::string("1"), 1LL, 0LL, std::string("HUB   "), Null,
                                     std::string(""), Null, std::string("*")},
                                    {std::string("t1"), std::string("2"), 2LL, Null, Null, std::string(""),
                                     std::string("90363-1"), std::string("6204"), Null}},
                                   {}},
                                  {"Price List",
                                   {"Item TEXT", "Price REAL", "Stock INTEGER", "Note"},
                                   {{std::string("6204-2RS"), std::string("12.75"), 40LL, std::string("007")},
                                    {Null, Null, Null, 7LL},
                                    {std::string("tab\there"), std::string("3"), std::string("x"), std::string("")}},
                                   {}}});
    const fs::path out = dir.dataDir() / "out.MDB";
    const ToolResult result = runTool({"convert", in.string(), out.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    expectSameAnswers(in, out,
                      {"SELECT * From PartsStructure", "SELECT * From [Price List]",
                       "SELECT * From PartsStructure WHERE CarNo = \"T1\" And Application = \"2\"",
                       "SELECT DISTINCT Class From PartsStructure", "SELECT Item From [Price List] Order By Price",
                       "SELECT * From [Price List] WHERE Note = 7", "SELECT * From [Price List] WHERE Stock = 40"});

    // The index of the parts search, as the schema gives it; the other table is no catalogue table.
    EXPECT_EQ(queryColumn(out, "SELECT name FROM sqlite_master WHERE type = 'index'"),
              std::vector<std::string>{"PartsStructure_CarNo"});
}

TEST(ConvertCommand, NeverWritesOverAFile) {
    testsupport::CatalogFolder dir;
    const fs::path in = dir.dataDir() / "in.MDB";
    testsupport::writeSqliteFile(in, {{"PartsMaster", {"PartsNo TEXT"}, {{std::string("1")}}, {}}});
    const std::string original = readFile(in);
    const fs::path out = dir.dataDir() / "out.MDB";
    { std::ofstream(out) << "keep me"; }

    const ToolResult over = runTool({"convert", in.string(), out.string()});
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_NE(over.err.find("exists already"), std::string::npos) << over.err;
    EXPECT_EQ(readFile(out), "keep me");

    const ToolResult self = runTool({"convert", in.string(), in.string()});
    EXPECT_EQ(self.exitCode, 1);
    EXPECT_EQ(readFile(in), original);
}

TEST(ConvertCommand, AFailureLeavesNoFile) {
    testsupport::CatalogFolder dir;
    const fs::path in = dir.dataDir() / "in.MDB";
    { std::ofstream(in) << "not a database at all"; }
    const fs::path out = dir.dataDir() / "out.MDB";
    const ToolResult result = runTool({"convert", in.string(), out.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("neither an SQLite nor a Jet database"), std::string::npos) << result.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.dataDir()), fs::directory_iterator()), 1);
    EXPECT_EQ(runTool({"convert", in.string()}).exitCode, 2);
}

} // namespace
} // namespace tooltest
