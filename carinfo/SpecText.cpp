#include "carinfo/SpecText.h"

#include "forms/TextFunctions.h"

#include <QStringBuilder>

namespace carinfo {

bool yearTakesTenCharacters(const QString& year) {
    if (year.size() < 25)
        return false;
    for (qsizetype i = 10; i < 25; ++i)
        if (year[i] != u' ')
            return false;
    return true;
}

QString yearColumn(const QString& year, bool tenCharacters) {
    return tenCharacters ? forms::fixedField(year.left(10), 10) : forms::fixedField(year.left(25), 25);
}

QString groupHeader(const QString& carCode, const QString& carName, const QString& type) {
    return u"CAR CODE:" % carCode % u"   CAR NAME:" % carName % u"   TYPE:" % type;
}

QString pageCaption(int pageNumber, const QString& maker, const QString& model) {
    return QStringLiteral("P") + QString::number(pageNumber) + QStringLiteral(" Maker:") + maker +
           QStringLiteral("  CarName:") + model;
}

int captionPageNumber(const QString& caption) {
    if (caption.size() < 2 || caption[0] != u'P' || !forms::isDigit(caption[1]))
        return -1;
    long long number = 0;
    for (qsizetype i = 1; i < caption.size() && forms::isDigit(caption[i]); ++i) {
        number = number * 10 + forms::digitValue(caption[i]);
        // No page has a number this large; a caption that claims one names no page.
        if (number > 1000000000)
            return -1;
    }
    return static_cast<int>(number);
}

QString classNumberText(const QString& caption) {
    auto digitAt = [&](qsizetype i) { return i < caption.size() && forms::isDigit(caption[i]); };
    qsizetype i = 0;
    while (i < caption.size() && caption[i] == u' ')
        ++i;
    bool negative = false;
    if (i < caption.size() && (caption[i] == u'-' || caption[i] == u'+')) {
        negative = caption[i] == u'-';
        ++i;
    }
    QString whole;
    while (digitAt(i))
        whole += caption[i++];
    QString fraction;
    if (i < caption.size() && caption[i] == u'.') {
        ++i;
        while (digitAt(i))
            fraction += caption[i++];
    }
    while (whole.size() > 1 && whole[0] == u'0')
        whole.remove(0, 1);
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    if (whole == u"0" && fraction.isEmpty())
        return whole;
    QString number = (negative ? QStringLiteral("-") : QString()) + whole;
    if (!fraction.isEmpty())
        number += u'.' + fraction;
    return number;
}

const QString& columnHeading() {
    static const QString heading = QString(3, u' ') + QStringLiteral("YEAR") + QString(19, u' ') +
                                   QStringLiteral("MODEL(Code)") + QString(25, u' ') + QStringLiteral("DISPLACEMENT") +
                                   QString(8, u' ') + QStringLiteral("ENGINE") + QString(19, u' ') +
                                   QStringLiteral("TRANSMISSION");
    return heading;
}

} // namespace carinfo
