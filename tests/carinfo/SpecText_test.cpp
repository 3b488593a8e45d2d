// The numbers that the car information pages read out of captions: the class
// number of the queries and the page number of a car information page.
#include "carinfo/SpecText.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* name;
    QString caption;
    QString expected;
};

TEST(SpecText, ClassNumberTextIsTheNumberAtTheStartOfLabel3) {
    const TextCase cases[] = {
        {"leading blank of a class", " 3", "3"},
        {"two digits", " 12", "12"},
        {"empty caption", "", "0"},
        {"letter", "A", "0"},
        {"only blanks", "   ", "0"},
        {"negative", "-2", "-2"},
        {"negative zero", " -0", "0"},
        {"leading zeros", "007", "7"},
        {"fraction kept, trailing zeros dropped", " 1.50", "1.5"},
        {"whole written with a point", "4.0", "4"},
        {"text after the number", " 5/7", "5"},
        {"quote after the number is not copied", "2\" Or 1=1", "2"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(carinfo::classNumberText(c.caption), c.expected) << c.name;
}

struct NumberCase {
    const char* name;
    QString caption;
    int expected;
};

TEST(SpecText, PageNumbersAreTheWholeNumberAfterP) {
    const NumberCase cases[] = {
        {"page 1", "P1 Maker:TOYOTA  CarName:CROWN", 1},
        {"page 12 is not page 1", "P12 Maker:TOYOTA  CarName:CROWN", 12},
        {"parts list page", "1/3  Maker:[TOYOTA]", -1},
        {"parts list page of class 12", "12/12  Maker:[TOYOTA]", -1},
        {"car selection", "Car Select", -1},
        {"P alone", "P", -1},
        {"empty caption", "", -1},
        {"lower-case p", "p2 Maker:", -1},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(carinfo::captionPageNumber(c.caption), c.expected) << c.name;
}

} // namespace
