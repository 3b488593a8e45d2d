#include "forms/Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <map>
#include <utility>

namespace forms {

namespace {

bool named(const QString& family, const char* name) {
    return family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QFont resolveDesignFont(const QString& family, double points) {
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

// The fonts made so far, by design family and size: a page sets the same few fonts on many controls, and
// the fixed-pitch check of "Courier New" asks the font database each time.
std::map<std::pair<QString, double>, QFont>& madeFonts() {
    static std::map<std::pair<QString, double>, QFont> fonts;
    return fonts;
}

bool forgetRegistered = false;

// The fonts belong to the application's font database: they go with the application.
void forgetMadeFonts() {
    madeFonts().clear();
    forgetRegistered = false;
}

} // namespace

QFont designFont(const QString& family, double points) {
    auto& fonts = madeFonts();
    const auto key = std::make_pair(family, points);
    if (auto found = fonts.find(key); found != fonts.end())
        return found->second;
    const QFont font = resolveDesignFont(family, points);
    if (!QCoreApplication::instance())
        return font;
    if (!forgetRegistered) {
        qAddPostRoutine(forgetMadeFonts);
        forgetRegistered = true;
    }
    fonts.emplace(key, font);
    return font;
}

} // namespace forms
