#include "forms/Captions.h"

namespace forms {

QString shownCaption(const QString& caption) {
    // Most captions have no "&": they are shown as they are, without a copy.
    if (!caption.contains(u'&'))
        return caption;
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            shown += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            shown += u'&';
            ++i;
        }
        // A single "&" marks the access key and is not shown.
    }
    return shown;
}

} // namespace forms
