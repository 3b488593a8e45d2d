// The number rules of the page captions: the value at the start of a text and
// the two ways of writing a number.
#include "carlookup/TextRules.h"

#include <gtest/gtest.h>

namespace carlookup {
namespace {

TEST(ValueOfText, ReadsTheNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12", 12}, {" 3", 3}, {"2/3", 2}, {"-4", -4}, {"1.5x", 1.5}, {"1E3", 1000},
        {"7E", 7},  {"", 0},   {"abc", 0}, {"/", 0},   {"-", 0},      {" ", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueOfText(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, WritesDecimalWithAndWithoutSignPlace) {
    const struct {
        double number;
        const char* decimal;
        const char* withSignPlace;
    } cases[] = {
        {1, "1", " 1"}, {12, "12", " 12"}, {0, "0", " 0"}, {-1, "-1", "-1"}, {1.5, "1.5", " 1.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalText(c.number), c.decimal) << c.number;
        EXPECT_EQ(signedNumberText(c.number), c.withSignPlace) << c.number;
    }
}

TEST(TrimBlanks, RemovesOnlySpaces) {
    EXPECT_EQ(trimBlanks("  TOYOTA  "), "TOYOTA");
    EXPECT_EQ(trimBlanks("\tA "), "\tA");
    EXPECT_EQ(trimBlanks("   "), "");
}

} // namespace
} // namespace carlookup
