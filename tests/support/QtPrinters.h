#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages: GoogleTest prints Qt's strings as text, not as
// arrays of two-byte objects.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (const QString &text : list)
        *out << "\n  \"" << text.toStdString() << '"';
    *out << " }";
}
