// The pieces of a result line: blanks trimmed, fields counted in characters.
#include "partsno/LineFormat.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* name;
    std::string value;
    std::string expected; // the value trimmed, in a field of 8
};

class FieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, TrimsBlanksAndFillsTheField) {
    std::string line = "|";
    partsno::appendFixedField(line, partsno::trimBlanks(GetParam().value), 8);
    EXPECT_EQ(line, "|" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldTest,
    testing::Values(FieldCase{"Short", "6204", "6204    "}, FieldCase{"BlanksAround", "  6204 ", "6204    "},
                    FieldCase{"OnlyBlanks", "   ", "        "}, FieldCase{"Empty", "", "        "},
                    FieldCase{"BlanksInside", " 62 04 ", "62 04   "},
                    // Tabs are part of the value, not blanks.
                    FieldCase{"Tab", "\t6204", "\t6204   "}, FieldCase{"Exact", "12345678", "12345678"},
                    FieldCase{"LongerIsKeptWhole", "123456789AB", "123456789AB"},
                    // Each of these characters takes one place, whatever its length in bytes.
                    FieldCase{"TwoByteCharacters", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9     "},
                    FieldCase{"FourByteCharacter", "\xF0\x9F\x94\xA7-1", "\xF0\x9F\x94\xA7-1     "}),
    [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

} // namespace
