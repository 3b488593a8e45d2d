#include "app/CatalogViewer.h"

#include "catalog/DrivePath.h"
#include "forms/MsgBox.h"
#include "forms/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace app {

namespace {

QString mapped(const QString& windowsPath) {
    return QString::fromStdString(catalog::mapDrivePath(windowsPath.toStdString()));
}

} // namespace

void openCatalogDocument(const QString& viewerPath, const QString& documentPath) {
#if defined(Q_OS_WIN)
    QString error;
    if (!forms::Shell(viewerPath, {documentPath}, &error))
        forms::MsgBox("The catalogue " + documentPath + " could not be opened: " + error + ".");
#else
    const QString viewer = mapped(viewerPath);
    const QString document = mapped(documentPath);
    QString viewerError;
    if (QFileInfo(viewer).isFile()) {
        if (forms::Shell(viewer, {document}, &viewerError))
            return;
    }
    if (!QFileInfo(document).isFile()) {
        forms::MsgBox("The catalogue " + document + " could not be opened: the file does not exist.");
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(document)))
        return;
    QString reason = "no document viewer could be started";
    if (!viewerError.isEmpty())
        reason = viewerError + ", and " + reason;
    forms::MsgBox("The catalogue " + document + " could not be opened: " + reason + ".");
#endif
}

} // namespace app
