#include "forms/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace forms {

namespace {

bool named(const QString& family, const char* name) {
    return family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

QFont designFont(const QString& family, double points) {
    QFont font;
    if (named(family, "Courier New")) {
        // Lines of fixed-width fields only line up in a fixed-pitch font.
        font.setFamilies({family, "Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono", "Noto Mono"});
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        font.setPointSizeF(points);
        if (!QFontInfo(font).fixedPitch()) {
            font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            font.setPointSizeF(points);
        }
        return font;
    }
    if (named(family, "MS Serif") || named(family, "Times New Roman")) {
        font.setFamilies({family, "Liberation Serif", "Tinos", "DejaVu Serif", "Nimbus Roman"});
        font.setStyleHint(QFont::Serif);
    } else {
        // "MS Sans Serif", "Arial" and any other family: a sans-serif of similar metrics.
        font.setFamilies({family, "Liberation Sans", "Arimo", "DejaVu Sans", "Nimbus Sans"});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(points);
    return font;
}

} // namespace forms
