// The shared text functions: blanks trimmed, fields counted in characters, the
// value at the start of a text, the two ways of writing a number, and digits.
#include "forms/TextFunctions.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFunctions, TrimRemovesOnlyBlanks) {
    const struct {
        const char* name;
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"blanks around", "  TOYOTA  ", "TOYOTA"},
        {"tab kept, trailing blank gone", "\tA ", "\tA"},
        {"only blanks", "   ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(forms::trimBlanks(QString::fromUtf8(c.text)), QString::fromUtf8(c.trimmed)) << c.name;
        EXPECT_EQ(forms::trimBlanksUtf8(c.text), c.trimmed) << c.name;
    }
}

struct FieldCase {
    const char* name;
    const char* value;    // UTF-8
    const char* expected; // the value trimmed, in a field of 8
    bool beyondUtf16Unit = false;
};

const FieldCase fieldCases[] = {
    {"short", "6204", "6204    "},
    {"blanks around", "  6204 ", "6204    "},
    {"only blanks", "   ", "        "},
    {"empty", "", "        "},
    {"blanks inside", " 62 04 ", "62 04   "},
    // Tabs are part of the value, not blanks.
    {"tab", "\t6204", "\t6204   "},
    {"exact", "12345678", "12345678"},
    {"longer is kept whole", "123456789AB", "123456789AB"},
    // Each of these characters takes one place, whatever its length in bytes.
    {"two-byte characters", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9     "},
    {"four-byte character", "\xF0\x9F\x94\xA7-1", "\xF0\x9F\x94\xA7-1     ", true},
};

TEST(TextFunctions, Utf8FieldOfTheTrimmedValue) {
    for (const FieldCase& c : fieldCases) {
        std::string line = "|";
        forms::appendFixedFieldUtf8(line, forms::trimBlanksUtf8(c.value), 8);
        EXPECT_EQ(line, std::string("|") + c.expected) << c.name;
    }
}

TEST(TextFunctions, FieldOfTheTrimmedValue) {
    for (const FieldCase& c : fieldCases) {
        // A QString counts a character beyond U+FFFF as two places.
        if (c.beyondUtf16Unit)
            continue;
        const QString trimmed = forms::trimBlanks(QString::fromUtf8(c.value));
        const QString expected = QString::fromUtf8(c.expected);
        EXPECT_EQ(forms::fixedField(trimmed, 8), expected) << c.name;
        QString line = "|";
        forms::appendFixedField(line, trimmed, 8);
        EXPECT_EQ(line, u'|' + expected) << c.name;
    }
}

TEST(TextFunctions, ValueOfTextIsTheNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12", 12}, {" 3", 3}, {"2/3", 2}, {"-4", -4}, {"1.5x", 1.5}, {"1E3", 1000},
        {"7E", 7},  {"", 0},   {"abc", 0}, {"/", 0},   {"-", 0},      {" ", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(forms::valueOfText(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextFunctions, NumberTextWithAndWithoutSignPlace) {
    const struct {
        double number;
        const char* decimal;
        const char* withSignPlace;
    } cases[] = {
        {1, "1", " 1"}, {12, "12", " 12"}, {0, "0", " 0"}, {-1, "-1", "-1"}, {1.5, "1.5", " 1.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(forms::decimalText(c.number), c.decimal) << c.number;
        EXPECT_EQ(forms::signedNumberText(c.number), c.withSignPlace) << c.number;
    }
}

TEST(TextFunctions, DigitsAreZeroToNineOnly) {
    const struct {
        const char* name;
        QChar character;
        bool digit;
        int value;
    } cases[] = {
        {"zero", u'0', true, 0},
        {"seven", u'7', true, 7},
        {"nine", u'9', true, 9},
        {"slash before zero", u'/', false, 0},
        {"colon after nine", u':', false, 0},
        {"letter", u'P', false, 0},
        {"blank", u' ', false, 0},
        {"full-width one", QChar(0xFF11), false, 0},
        {"Arabic-Indic one", QChar(0x0661), false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(forms::isDigit(c.character), c.digit) << c.name;
        EXPECT_EQ(forms::digitValue(c.character), c.value) << c.name;
    }
}

TEST(TextFunctions, FirstDigitValueOfACaption) {
    const struct {
        const char* name;
        const char* caption;
        int value;
    } cases[] = {
        {"class 3", "3/5  Maker:[TOYOTA]", 3},
        {"class 12 reads as 1", "12/12  Maker:[TOYOTA]", 1},
        {"letter", "Car Select", 0},
        {"empty caption", "", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(forms::firstDigitValue(c.caption), c.value) << c.name;
}

} // namespace
