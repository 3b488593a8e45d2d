// vexorin-catalog query and tables, run as a user runs them.
#include "tests/support/CatalogFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::string& arguments, const fs::path& scratch) {
    const char* bin = std::getenv("VEXORIN_BIN_DIR");
    const fs::path errFile = scratch / "stderr.txt";
    const std::string command = std::string(bin ? bin : ".") + "/vexorin-catalog " + arguments + " 2>'" +
                                errFile.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ToolRun run{-1, {}, {}};
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        run.out.append(buffer, got);
    const int status = pclose(pipe.release());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream err;
    err << std::ifstream(errFile).rdbuf();
    run.err = err.str();
    return run;
}

TEST(CatalogTool, QueryPrintsTabSeparatedRowsWithNullAndEscapes) {
    testsupport::CatalogFolder folder;
    folder.write("PartsNo.MDB", {{"PartsMaster",
                                  {"PartsNo TEXT", "BearingNo TEXT", "Class INTEGER"},
                                  {{"a\tb", "line\nbreak\\", 2LL}, {"c", testsupport::Null, testsupport::Null}},
                                  {}}});
    const fs::path file = folder.dataDir() / "PartsNo.MDB";
    const ToolRun run = runTool("query '" + file.string() + "' 'SELECT * From PartsMaster'", folder.driveC());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "PartsNo\tBearingNo\tClass\n"
                       "a\\tb\tline\\nbreak\\\\\t2\n"
                       "c\t\\N\t\\N\n");
}

TEST(CatalogTool, TablesListsFieldsAndTypes) {
    testsupport::CatalogFolder folder;
    folder.write("PartsNo.MDB", {{"PartsMaster", {"PartsNo TEXT", "Class INTEGER"}, {}, {}}});
    const ToolRun run = runTool("tables '" + (folder.dataDir() / "PartsNo.MDB").string() + "'", folder.driveC());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "PartsMaster\n\tPartsNo\tTEXT\n\tClass\tINTEGER\n");
}

TEST(CatalogTool, FailuresExitWithOneAndTheirDescription) {
    testsupport::CatalogFolder folder;
    folder.write("PartsNo.MDB", {{"PartsMaster", {"PartsNo TEXT"}, {}, {}}});
    const std::string file = (folder.dataDir() / "PartsNo.MDB").string();
    const std::pair<std::string, std::string> cases[] = {
        {"query '" + file + "' 'SELECT * Form PartsMaster'", "\"Form\""},
        {"query '" + file + "' 'SELECT * From Nothing'", "\"Nothing\""},
        {"tables '" + (folder.dataDir() / "Missing.MDB").string() + "'", "does not exist"},
    };
    for (const auto& [arguments, named] : cases) {
        SCOPED_TRACE(arguments);
        const ToolRun run = runTool(arguments, folder.driveC());
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    }
}

} // namespace
