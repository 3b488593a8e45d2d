// The part lines of a parts list page: the name rule, the fixed columns and the
// branches that a field which cannot be read takes.
#include "carlookup/PartLine.h"

#include <gtest/gtest.h>

namespace carlookup {
namespace {

using catalog::FieldValue;

FieldValue text(const std::string& value) {
    return FieldValue::text(value);
}

// A row with level 0, the other fields as given.
PartRow row(std::optional<FieldValue> name, std::optional<FieldValue> rl = text("L"),
            std::optional<FieldValue> partsNo = text("90043-63164"),
            std::optional<FieldValue> bearingNo = text("DAC3055W"), std::optional<FieldValue> otherMk = text("*"),
            std::optional<FieldValue> level = FieldValue::integer(0)) {
    return PartRow{level, name, rl, partsNo, bearingNo, otherMk};
}

QString spaces(int n) {
    return QString(n, u' ');
}

// The columns behind the name: L/R, parts number (15), bearing number (20), other make.
QString data(const QString& rl = "L", const QString& partsNo = "90043-63164", const QString& bearingNo = "DAC3055W",
             const QString& otherMk = "*") {
    return rl + u' ' + partsNo.leftJustified(15) + u' ' + bearingNo.leftJustified(20) + u' ' + otherMk;
}

struct LineCase {
    const char* name;
    PartRow row;
    QStringList items;
};

class PartLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(PartLineTest, GivesItsItems) {
    EXPECT_EQ(partLineItems(GetParam().row), GetParam().items);
}

const QString padded60 = QString("FRONT HUB").leftJustified(60);
const QString name39 = QString(39, u'A');

INSTANTIATE_TEST_SUITE_P(
    Rows, PartLineTest,
    testing::Values(
        LineCase{"EmptyNameGivesFortyBlanks", row(text("")), {spaces(40) + u' ' + data()}},
        LineCase{"NullNameGivesFortyBlanks", row(FieldValue::null()), {spaces(40) + u' ' + data()}},
        LineCase{"ShortUnpaddedNameTakesTwoItems",
                 row(text("HUB")),
                 {QString("HUB").leftJustified(100), spaces(41) + data()}},
        LineCase{"NamePaddedToSixtyTakesOneItem",
                 row(text(padded60.toStdString())),
                 {QString("FRONT HUB").leftJustified(40) + u' ' + data()}},
        LineCase{"LevelOneIndentsTheName",
                 row(text(padded60.toStdString()), text("L"), text("90043-63164"), text("DAC3055W"), text("*"),
                     FieldValue::integer(1)),
                 {QString("  FRONT HUB").leftJustified(40) + u' ' + data()}},
        LineCase{"LevelOneIndentCountsInTheFortyCharacters",
                 row(text((name39 + spaces(21)).toStdString()), text("L"), text("90043-63164"), text("DAC3055W"),
                     text("*"), FieldValue::integer(1)),
                 {("  " + name39 + spaces(21)).leftJustified(100), spaces(41) + data()}},
        LineCase{"ThirtyNineCharactersWithoutIndentFit",
                 row(text((name39 + spaces(21)).toStdString())),
                 {name39 + u' ' + u' ' + data()}},
        LineCase{
            "LevelStoredAsTextOne",
            row(text(padded60.toStdString()), text("L"), text("90043-63164"), text("DAC3055W"), text("*"), text("1")),
            {QString("  FRONT HUB").leftJustified(40) + u' ' + data()}},
        LineCase{"EmptyRlKeepsTheColumns", row(text(""), text("")), {spaces(40) + u' ' + data(" ")}},
        LineCase{"NullRlKeepsTheColumns", row(text(""), FieldValue::null()), {spaces(40) + u' ' + data(" ")}},
        LineCase{"BlankRlKeepsTheColumns", row(text(""), text("   ")), {spaces(40) + u' ' + data(" ")}},
        LineCase{"TwoCharacterRlMovesTheLaterColumns", row(text(""), text(" LR ")), {spaces(40) + u' ' + data("LR")}},
        LineCase{"EmptyNumbersAndMarkAreBlanks",
                 row(text(""), text("R"), FieldValue::null(), text(""), FieldValue::null()),
                 {spaces(40) + u' ' + data("R", "", "", " ")}},
        LineCase{"StoredNumbersShowAsDigits",
                 row(text(""), text("R"), FieldValue::integer(12345), FieldValue::integer(6205), text("")),
                 {spaces(40) + u' ' + data("R", "12345", "6205", " ")}},
        LineCase{
            "LongValuesAreShownWhole",
            row(text(std::string(120, 'N')), text("R"), text("1234567890123456789")),
            {QString(120, u'N'), spaces(41) + "R 1234567890123456789 " + QString("DAC3055W").leftJustified(20) + " *"}},
        LineCase{"UnreadableFieldsTakeTheLevelOneNonEmptyLongBranches",
                 row(std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt),
                 {QString("  ").leftJustified(100), spaces(41) + u' ' + spaces(15) + u' ' + spaces(20) + u' '}}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(PartLineColumns, StartAtTheSamePositionsInBothForms) {
    const QStringList oneItem = partLineItems(row(text("")));
    const QStringList twoItems = partLineItems(row(text("HUB")));
    ASSERT_EQ(oneItem.size(), 1);
    ASSERT_EQ(twoItems.size(), 2);
    EXPECT_EQ(oneItem[0], twoItems[1]);
    // Positions counted from 1: L/R at 42, parts number at 44, bearing number at 60, other make at 81.
    EXPECT_EQ(oneItem[0].mid(41, 1), "L");
    EXPECT_EQ(oneItem[0].mid(43, 11), "90043-63164");
    EXPECT_EQ(oneItem[0].mid(59, 8), "DAC3055W");
    EXPECT_EQ(oneItem[0].mid(80), "*");
}

} // namespace
} // namespace carlookup
