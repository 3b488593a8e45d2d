#include "partsno/LineFormat.h"

namespace partsno {

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.sliced(first, end - first);
}

QString fixedField(const QString& text, int width) {
    // Width counts characters as shown, so a character outside the basic
    // plane (two UTF-16 units) takes one place.
    qsizetype characters = text.size();
    for (const QChar unit : text)
        if (unit.isLowSurrogate())
            --characters;
    if (characters >= width)
        return text;
    QString field = text;
    field.append(QString(width - characters, u' '));
    return field;
}

} // namespace partsno
