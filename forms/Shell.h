// Starting an outside program.
#pragma once

#include <QString>
#include <QStringList>

namespace forms {

// Starts the program detached with a normal window (window style 1) and never
// waits for it. Returns false with a reason in *error when it cannot be started.
bool Shell(const QString& program, const QStringList& arguments, QString* error);

} // namespace forms
