// Lets GoogleTest print Qt texts readably in failure messages ("Data not Found", not byte dumps).
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
