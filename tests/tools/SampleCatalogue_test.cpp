// vexorin-catalog sample: the same bytes on every run, a clean check, every case the lookups must handle.
#include "ToolRun.h"

#include "tests/support/CatalogFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <thread>

namespace tooltest {
namespace {

namespace fs = std::filesystem;

long long count(const fs::path& file, const std::string& sql) {
    const auto values = queryColumn(file, "SELECT count(*) FROM " + sql);
    return values.empty() ? -1 : std::stoll(values.front());
}

class SampleTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = new testsupport::CatalogFolder;
        const ToolResult result = runTool({"sample", s_dir->dataDir().string()});
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }
    static void TearDownTestSuite() {
        delete s_dir;
        s_dir = nullptr;
    }
    static fs::path file(const std::string& name) { return s_dir->dataDir() / name; }
    // Rows that match in all the makers' files together.
    static long long makerRows(const std::string& sql) {
        long long total = 0;
        for (const std::string& maker : Makers)
            total += count(file("Tessik-" + maker + ".MDB"), sql);
        return total;
    }

    static testsupport::CatalogFolder* s_dir;
};

testsupport::CatalogFolder* SampleTest::s_dir = nullptr;

TEST_F(SampleTest, WritesTheFolderThatTheProgramOpens) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(s_dir->dataDir()))
        names.insert(entry.path().filename().string());
    std::set<std::string> expected = {"PartsNo.MDB", "catalog.pdf"};
    for (const std::string& maker : Makers)
        expected.insert("Tessik-" + maker + ".MDB");
    EXPECT_EQ(names, expected);
    EXPECT_EQ(readFile(file("catalog.pdf")).substr(0, 5), "%PDF-");
    const std::string pdf = readFile(file("catalog.pdf"));
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

TEST_F(SampleTest, IsTheSameOnEveryRunAndChecksClean) {
    // A second later, so that anything stamped with the time would differ, and
    // more than once, since what depends on a process's random seeds differs
    // only now and then.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    for (int run = 0; run < 3; ++run) {
        testsupport::CatalogFolder again;
        ASSERT_EQ(runTool({"sample", again.dataDir().string()}).exitCode, 0);
        for (const auto& entry : fs::directory_iterator(s_dir->dataDir()))
            EXPECT_TRUE(readFile(entry.path()) == readFile(again.dataDir() / entry.path().filename()))
                << entry.path().filename() << " differs between two runs";
    }

    const ToolResult check = runTool({"check", s_dir->dataDir().string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(check.out, "");
}

TEST_F(SampleTest, HasTheIndexesOfTheSchema) {
    EXPECT_EQ(queryColumn(file("PartsNo.MDB"), "SELECT name FROM sqlite_master WHERE type = 'index'"),
              std::vector<std::string>{"PartsMaster_PartsNo"});
    EXPECT_EQ(
        queryColumn(file("Tessik-HONDA.MDB"), "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"),
        (std::vector<std::string>{"CarSpecMaster_CarNo", "MakerMaster_MakerName", "PartsStructure_CarNo"}));
}

// Every case the lookups must handle occurs somewhere in the sample.
TEST_F(SampleTest, ShowsEveryCaseOfTheLookups) {
    struct Case {
        const char* what;
        const char* where; // FROM ... WHERE ... of the makers' files
    };
    const Case cases[] = {
        {"a car of one class", "(SELECT CarNo FROM PartsStructure GROUP BY CarNo HAVING count(DISTINCT Class) = 1)"},
        {"a car of two classes", "(SELECT CarNo FROM PartsStructure GROUP BY CarNo HAVING count(DISTINCT Class) = 2)"},
        {"a car of three classes",
         "(SELECT CarNo FROM PartsStructure GROUP BY CarNo HAVING count(DISTINCT Class) = 3)"},
        {"a car whose front suspension lines are all in class 2 of three",
         "(SELECT CarNo FROM PartsStructure GROUP BY CarNo HAVING count(DISTINCT Class) = 3 AND "
         "sum(Application = '1' AND Class <> 2) = 0 AND sum(Application = '1') > 0)"},
        {"a model without part lines", "MakerMaster WHERE CarNo NOT IN (SELECT CarNo FROM PartsStructure)"},
        {"a car with no lines for one application",
         "(SELECT CarNo FROM PartsStructure GROUP BY CarNo HAVING count(DISTINCT Application) < 4)"},
        {"display level 0", "PartsStructure WHERE DispLevel = 0"},
        {"display level 1", "PartsStructure WHERE DispLevel = 1"},
        {"a padded name that fits in one line",
         "PartsStructure WHERE length(PartsName) >= 60 AND length(rtrim(PartsName)) + 2 * (DispLevel = 1) <= 40"},
        {"a padded name too long for one line",
         "PartsStructure WHERE length(PartsName) >= 60 AND length(rtrim(PartsName)) + 2 * (DispLevel = 1) > 40"},
        {"a padded name of exactly 40 with its indent",
         "PartsStructure WHERE length(PartsName) >= 60 AND length(rtrim(PartsName)) + 2 * (DispLevel = 1) = 40"},
        {"a short unpadded name (two lines)", "PartsStructure WHERE PartsName <> '' AND length(PartsName) < 40"},
        {"an empty name", "PartsStructure WHERE PartsName = ''"},
        {"a Null name", "PartsStructure WHERE PartsName IS NULL"},
        {"RL L", "PartsStructure WHERE RL = 'L'"},
        {"RL R", "PartsStructure WHERE RL = 'R'"},
        {"RL LR", "PartsStructure WHERE RL = 'LR'"},
        {"RL empty", "PartsStructure WHERE RL = ''"},
        {"RL Null", "PartsStructure WHERE RL IS NULL"},
        {"an empty parts number", "PartsStructure WHERE PartsNo = '' AND BearingNo = ''"},
        {"a Null parts number", "PartsStructure WHERE PartsNo IS NULL AND BearingNo IS NULL"},
        {"another make's part", "PartsStructure WHERE OtherMk = '*'"},
        {"an empty other-make mark", "PartsStructure WHERE OtherMk = ''"},
        {"a Null other-make mark", "PartsStructure WHERE OtherMk IS NULL AND PartsNo <> ''"},
        {"a year of 4 characters", "CarSpecMaster WHERE length(Year) = 4"},
        {"a year of 25 with 15 trailing blanks",
         "CarSpecMaster WHERE length(Year) = 25 AND substr(Year, 11) = '               '"},
        {"a year of 25 with text after the tenth",
         "CarSpecMaster WHERE length(Year) = 25 AND trim(substr(Year, 11)) <> ''"},
        {"a year of 15 characters", "CarSpecMaster WHERE length(Year) = 15"},
        {"a Null year", "CarSpecMaster WHERE Year IS NULL"},
        {"a Null car code and type", "CarSpecMaster WHERE CarCode IS NULL AND Type IS NULL"},
        {"a car code with a trailing blank", "CarSpecMaster WHERE CarCode LIKE '% '"},
        {"a Null model, displacement and mission",
         "CarSpecMaster WHERE Model IS NULL OR Displacement IS NULL OR Mission IS NULL"},
    };
    for (const Case& c : cases)
        EXPECT_GT(makerRows(c.where), 0) << c.what;

    for (const std::string& maker : Makers) {
        const fs::path makerFile = file("Tessik-" + maker + ".MDB");
        EXPECT_NE(queryColumn(makerFile, "SELECT CarName FROM MakerMaster ORDER BY CarNo"),
                  queryColumn(makerFile, "SELECT CarName FROM MakerMaster ORDER BY CarName"))
            << maker << ": car-number order is name order";
    }

    // One to eight groups of car code and type for a page's car and class: one to three car information pages.
    std::set<std::string> groupCounts;
    for (const std::string& maker : Makers)
        for (const std::string& groups :
             queryColumn(file("Tessik-" + maker + ".MDB"),
                         "SELECT count(DISTINCT coalesce(rtrim(CarCode), '') || '|' || coalesce(Type, '')) "
                         "FROM CarSpecMaster GROUP BY CarNo, Class"))
            groupCounts.insert(groups);
    for (int groups = 1; groups <= 8; ++groups)
        EXPECT_TRUE(groupCounts.contains(std::to_string(groups))) << groups << " groups";

    const fs::path parts = file("PartsNo.MDB");
    EXPECT_GT(count(parts, "PartsMaster WHERE OtherMk = '*'"), 0);
    EXPECT_GT(count(parts, "PartsMaster WHERE OtherMk IS NULL"), 0);
    EXPECT_GT(count(parts, "PartsMaster WHERE OtherMk = ''"), 0);
    EXPECT_GT(count(parts, "PartsMaster WHERE PartsNo IS NULL"), 0);
    EXPECT_GT(count(parts, "PartsMaster WHERE PartsNo = ''"), 0);
    EXPECT_GT(count(parts, "PartsMaster WHERE BearingNo IS NULL"), 0);
    EXPECT_GT(count(parts, "PartsMaster WHERE BearingNo = ''"), 0);
    // Every parts number of a part line is in PartsMaster with the same bearing.
    for (const std::string& maker : Makers)
        EXPECT_EQ(
            queryColumn(file("Tessik-" + maker + ".MDB"),
                        "SELECT count(*) FROM PartsStructure s WHERE s.PartsNo <> '' AND NOT EXISTS "
                        "(SELECT 1 FROM p.PartsMaster m WHERE m.PartsNo = s.PartsNo AND m.BearingNo = s.BearingNo)",
                        parts),
            std::vector<std::string>{"0"})
            << maker;
}

TEST(SampleScale, ScaleAddsPartsNumbersAndTheBenchmarksCar) {
    testsupport::CatalogFolder one;
    testsupport::CatalogFolder two;
    ASSERT_EQ(runTool({"sample", one.dataDir().string()}).exitCode, 0);
    ASSERT_EQ(runTool({"sample", two.dataDir().string(), "--scale", "2"}).exitCode, 0);
    EXPECT_EQ(count(two.dataDir() / "PartsNo.MDB", "PartsMaster") - count(one.dataDir() / "PartsNo.MDB", "PartsMaster"),
              2000);
    const fs::path toyota = two.dataDir() / "Tessik-TOYOTA.MDB";
    EXPECT_EQ(count(toyota, "MakerMaster WHERE CarNo = 'T99999' AND CarName = 'FLEET (ALL TYPES)'"), 1);
    EXPECT_EQ(count(toyota, "PartsStructure WHERE CarNo = 'T99999' AND Application = '1' AND Class = 1"), 20);
    EXPECT_EQ(count(one.dataDir() / "Tessik-TOYOTA.MDB", "MakerMaster") + 2 + 1, count(toyota, "MakerMaster"));
    const ToolResult check = runTool({"check", two.dataDir().string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

TEST(SampleRefusals, NeverReplacesAFileAndWritesNothingThen) {
    testsupport::CatalogFolder dir;
    const fs::path existing = dir.dataDir() / "Tessik-MAZDA.MDB";
    { std::ofstream(existing) << "the maintainer's own file"; }
    const ToolResult result = runTool({"sample", dir.dataDir().string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Tessik-MAZDA.MDB exists already"), std::string::npos) << result.err;
    EXPECT_EQ(readFile(existing), "the maintainer's own file");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.dataDir()), fs::directory_iterator()), 1);
}

TEST(SampleRefusals, BadArguments) {
    testsupport::CatalogFolder dir;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"sample"},
                                               {"sample", dir.dataDir().string(), "--scale", "0"},
                                               {"sample", dir.dataDir().string(), "--scale", "x"},
                                               {"sample", dir.dataDir().string(), "--scale"},
                                               {"sample", dir.dataDir().string(), "other"}}) {
        const ToolResult result = runTool(args);
        EXPECT_EQ(result.exitCode, 2) << args.size();
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_FALSE(fs::exists(dir.dataDir() / "PartsNo.MDB"));
}

} // namespace
} // namespace tooltest
