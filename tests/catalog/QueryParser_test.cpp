// The query language: every query text the lookups build, and malformed ones.
#include "catalog/CatalogError.h"
#include "catalog/QueryParser.h"

#include <gtest/gtest.h>

using catalog::CatalogError;
using catalog::Condition;
using catalog::FieldValue;
using catalog::parseQuery;

namespace {

struct ParseCase {
    const char* name;
    const char* query;
    bool distinct;
    std::vector<std::string> fields;
    const char* table;
    std::vector<std::tuple<std::string, Condition::Kind, FieldValue>> conditions;
    const char* orderBy;
};

const auto Equal = Condition::Kind::Equal;
const auto Like = Condition::Kind::Like;

const ParseCase ParseCases[] = {
    {"all parts", "SELECT * From PartsMaster", false, {}, "PartsMaster", {}, nullptr},
    {"parts prefix", R"(SELECT * From PartsMaster WHERE PartsNo Like "90311*")", false, {}, "PartsMaster",
     {{"PartsNo", Like, FieldValue::text("90311*")}}, nullptr},
    {"blanks kept in the pattern", R"(SELECT * From PartsMaster WHERE PartsNo Like "  *")", false, {}, "PartsMaster",
     {{"PartsNo", Like, FieldValue::text("  *")}}, nullptr},
    {"maker models", R"(SELECT CarName,CarNo From MakerMaster WHERE MakerName = "TOYOTA" Order By CarNo)", false,
     {"CarName", "CarNo"}, "MakerMaster", {{"MakerName", Equal, FieldValue::text("TOYOTA")}}, "CarNo"},
    {"classes of a car", R"(SELECT DISTINCT Class From PartsStructure WHERE CarNo = "T-0012")", true, {"Class"},
     "PartsStructure", {{"CarNo", Equal, FieldValue::text("T-0012")}}, nullptr},
    {"And right after the quote", R"(SELECT * From PartsStructure WHERE CarNo ="T-0012"And Application = "1")", false,
     {}, "PartsStructure",
     {{"CarNo", Equal, FieldValue::text("T-0012")}, {"Application", Equal, FieldValue::text("1")}}, nullptr},
    {"car codes", R"(SELECT DISTINCT CarCode,Type From CarSpecMaster WHERE CarNo = "T-0012" And Class = 2)", true,
     {"CarCode", "Type"}, "CarSpecMaster",
     {{"CarNo", Equal, FieldValue::text("T-0012")}, {"Class", Equal, FieldValue::integer(2)}}, nullptr},
    {"keywords in any case, single quotes, doubled quotes",
     R"(select distinct [Car No] from CarSpecMaster where CarNo = 'O''Neil' and Model = "a ""b""" order by Model;)",
     true, {"Car No"}, "CarSpecMaster",
     {{"CarNo", Equal, FieldValue::text("O'Neil")}, {"Model", Equal, FieldValue::text(R"(a "b")")}}, "Model"},
    {"a real and a negative number", "SELECT * From T WHERE A = 1.5 AND B = -3", false, {}, "T",
     {{"A", Equal, FieldValue::real(1.5)}, {"B", Equal, FieldValue::integer(-3)}}, nullptr},
};

TEST(QueryParser, ReadsEveryQueryOfTheLookups) {
    for (const ParseCase& c : ParseCases) {
        SCOPED_TRACE(c.name);
        const catalog::SelectQuery q = parseQuery(c.query);
        EXPECT_EQ(q.distinct, c.distinct);
        EXPECT_EQ(q.fields, c.fields);
        EXPECT_EQ(q.table, c.table);
        ASSERT_EQ(q.conditions.size(), c.conditions.size());
        for (size_t i = 0; i < c.conditions.size(); ++i) {
            EXPECT_EQ(q.conditions[i].field, std::get<0>(c.conditions[i]));
            EXPECT_EQ(q.conditions[i].kind, std::get<1>(c.conditions[i]));
            EXPECT_EQ(q.conditions[i].constant, std::get<2>(c.conditions[i]));
        }
        EXPECT_EQ(q.orderBy.value_or(""), c.orderBy ? c.orderBy : "");
    }
}

struct MalformedCase {
    const char* name;
    const char* query;
    const char* named; // what the message must name
};

const MalformedCase MalformedCases[] = {
    {"a lone quote in the typed text", R"(SELECT * From PartsMaster WHERE PartsNo Like ""*")", "closing quote"},
    {"misspelt keyword", "SELECT * Form PartsMaster", "\"Form\""},
    {"another operator", R"(SELECT * From PartsMaster WHERE PartsNo <> "x")", "\"<\""},
    {"Or is outside the language", R"(SELECT * From T WHERE A = "1" Or B = "2")", "\"Or\""},
    {"two tables", "SELECT * From A, B", "\",\""},
    {"missing table", "SELECT * From", "the end of the query"},
    {"Like against a number", "SELECT * From T WHERE A Like 5", "\"5\""},
    {"field compared with a field", "SELECT * From T WHERE A = B", "\"B\""},
    {"keyword as a name", "SELECT From T", "\"From\""},
    {"unclosed list in a pattern", R"(SELECT * From T WHERE A Like "[ab*")", "\"[ab*\""},
    {"backward range", R"(SELECT * From T WHERE A Like "[z-a]")", "backwards"},
    {"malformed number", "SELECT * From T WHERE A = 12ab", "\"12ab\""},
    {"trailing words", "SELECT * From T Order By A B", "\"B\""},
    {"empty", "", "\"SELECT\""},
};

TEST(QueryParser, NamesTheOffendingTokenOfAMalformedQuery) {
    for (const MalformedCase& c : MalformedCases) {
        SCOPED_TRACE(c.name);
        try {
            parseQuery(c.query);
            ADD_FAILURE() << "accepted: " << c.query;
        } catch (const CatalogError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

} // namespace
