#include "carlookup/PartLine.h"

#include "forms/TextFunctions.h"

namespace carlookup {
namespace {

constexpr int ShortNameWidth = 40;
constexpr int LongNameWidth = 100;
constexpr int PartsNoWidth = 15;
constexpr int BearingNoWidth = 20;

// The text of a field; empty for Null and for a field that could not be read.
QString textOf(const std::optional<catalog::FieldValue>& field) {
    return field && !field->isEmpty() ? QString::fromStdString(field->toText()) : QString();
}

bool isEmptyField(const std::optional<catalog::FieldValue>& field) {
    return field && field->isEmpty();
}

// Level 1 indents the name. A Null level is no level; an unreadable one counts as level 1.
bool isLevelOne(const std::optional<catalog::FieldValue>& level) {
    if (!level)
        return true;
    if (level->isNull())
        return false;
    bool ok = false;
    const double number = forms::trimBlanks(QString::fromStdString(level->toText())).toDouble(&ok);
    return ok && number == 1;
}

// Whether the text holds only blanks from position from (counting from 0) for count characters.
bool blanksAt(const QString& text, qsizetype from, qsizetype count) {
    if (text.size() < from + count)
        return false;
    for (qsizetype i = from; i < from + count; ++i)
        if (text[i] != u' ')
            return false;
    return true;
}

QString nameField(const PartRow& row) {
    if (isEmptyField(row.PartsName))
        return QString(ShortNameWidth, u' ');
    const QString name = (isLevelOne(row.DispLevel) ? QStringLiteral("  ") : QString()) + textOf(row.PartsName);
    // A name stored padded with blanks to 60 characters or more, whose text fits in the first 40, keeps
    // the short form; every other name gets a line of its own.
    if (blanksAt(name, ShortNameWidth, 20))
        return name.left(ShortNameWidth);
    QString field;
    forms::appendFixedField(field, name, LongNameWidth);
    return field;
}

// The L/R column: the marker trimmed, one blank for none, so that the later columns stay in place.
QString leftRightText(const std::optional<catalog::FieldValue>& rl) {
    if (isEmptyField(rl))
        return QStringLiteral(" ");
    const QString trimmed = forms::trimBlanks(textOf(rl));
    // A marker of blanks alone is no marker either.
    return trimmed.isEmpty() && rl ? QStringLiteral(" ") : trimmed;
}

} // namespace

QStringList partLineItems(const PartRow& row) {
    const QString name = nameField(row);
    const bool oneItem = name.size() <= ShortNameWidth;
    // One line holds the name field (one item) or the blanks before the data (two items).
    QString line;
    line.reserve(ShortNameWidth + 1 + 4 + PartsNoWidth + BearingNoWidth + 8);
    if (oneItem)
        line += name;
    else
        line.fill(u' ', ShortNameWidth);
    line += u' ';
    line += leftRightText(row.RL);
    line += u' ';
    forms::appendFixedField(line, textOf(row.PartsNo), PartsNoWidth);
    line += u' ';
    forms::appendFixedField(line, textOf(row.BearingNo), BearingNoWidth);
    line += u' ';
    line += isEmptyField(row.OtherMk) ? QStringLiteral(" ") : textOf(row.OtherMk);
    if (oneItem)
        return {line};
    return {name, line};
}

} // namespace carlookup
