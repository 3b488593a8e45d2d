#include "forms/Shell.h"

#include <QFileInfo>
#include <QProcess>

namespace forms {

bool Shell(const QString& program, const QStringList& arguments, QString* error) {
    // A named file that is missing or not runnable is told as such, in the user's words.
    if (program.contains(u'/') || program.contains(u'\\')) {
        const QFileInfo file(program);
        if (!file.exists()) {
            if (error)
                *error = program + " does not exist";
            return false;
        }
        if (!file.isFile() || !file.isExecutable()) {
            if (error)
                *error = program + " is not a program that can be started";
            return false;
        }
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        if (error)
            *error = program + " could not be started: " + process.errorString();
        return false;
    }
    return true;
}

} // namespace forms
