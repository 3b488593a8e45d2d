#include "forms/TextFunctions.h"

#include <QLocale>

#include <cmath>

namespace forms {

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

std::string_view trimBlanksUtf8(std::string_view utf8) {
    const auto first = utf8.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return utf8.substr(first, utf8.find_last_not_of(' ') - first + 1);
}

QString fixedField(QString text, int width) {
    if (text.size() < width)
        text.resize(width, u' ');
    return text;
}

void appendFixedField(QString& line, const QString& text, int width) {
    line += text;
    if (text.size() < width)
        line.resize(line.size() + (width - text.size()), u' ');
}

void appendFixedFieldUtf8(std::string& line, std::string_view utf8, int width) {
    long characters = 0;
    for (const char byte : utf8)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++characters;
    line += utf8;
    if (characters < width)
        line.append(static_cast<std::size_t>(width - characters), ' ');
}

double valueOfText(const QString& text) {
    qsizetype i = 0;
    const qsizetype size = text.size();
    const auto digitAt = [&](qsizetype at) { return at < size && isDigit(text[at]); };
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
    while (digitAt(i)) {
        whole = whole * 10 + digitValue(text[i]);
        ++wholeDigits;
        ++i;
        digits = true;
    }
    const bool plain = i >= size || (text[i] != u'.' && text[i] != u'e' && text[i] != u'E');
    if (digits && plain && wholeDigits <= 15)
        return text[start] == u'-' ? -double(whole) : double(whole);
    if (i < size && text[i] == u'.') {
        ++i;
        while (digitAt(i)) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype exponent = i + 1;
        if (exponent < size && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        if (digitAt(exponent)) {
            i = exponent;
            while (digitAt(i))
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

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c) {
    return isDigit(c) ? c.unicode() - u'0' : 0;
}

int firstDigitValue(const QString& text) {
    return text.isEmpty() ? 0 : digitValue(text[0]);
}

} // namespace forms
