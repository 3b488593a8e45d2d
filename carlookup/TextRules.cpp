#include "carlookup/TextRules.h"

#include <QLocale>

#include <cmath>

namespace carlookup {

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

void appendFixedField(QString& line, const QString& text, int width) {
    line += text;
    if (text.size() < width)
        line.append(QString(width - text.size(), u' '));
}

double valueOfText(const QString& text) {
    qsizetype i = 0;
    const qsizetype size = text.size();
    const auto isDigit = [&](qsizetype at) { return at < size && text[at] >= u'0' && text[at] <= u'9'; };
    while (i < size && text[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < size && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    // Whole numbers, the usual case (a class, a level), are read without the
    // general conversion.
    qint64 whole = 0;
    int wholeDigits = 0;
    while (isDigit(i)) {
        whole = whole * 10 + (text[i].unicode() - u'0');
        ++wholeDigits;
        ++i;
        digits = true;
    }
    const bool plain = i >= size || (text[i] != u'.' && text[i] != u'e' && text[i] != u'E');
    if (digits && plain && wholeDigits <= 15)
        return text[start] == u'-' ? -double(whole) : double(whole);
    if (i < size && text[i] == u'.') {
        ++i;
        while (isDigit(i)) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it ("1E3"; "1E" is 1).
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype exponent = i + 1;
        if (exponent < size && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        if (isDigit(exponent)) {
            i = exponent;
            while (isDigit(i))
                ++i;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).mid(start, i - start), &ok);
    return ok ? value : 0;
}

QString decimalText(double number) {
    // Whole numbers as plain digits, also beyond the range that 'g' writes without an exponent.
    if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 9.0e18)
        return QString::number(static_cast<qint64>(number));
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

QString signedNumberText(double number) {
    const QString digits = decimalText(number);
    return number < 0 ? digits : u' ' + digits;
}

} // namespace carlookup
