#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// GoogleTest prints Qt's texts as texts, not as arrays of 16-bit units, so
// that a failing comparison says what differs.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i)
        *out << (i ? ", \"" : "\"") << texts[i].toStdString() << '"';
    *out << '}';
}
QT_END_NAMESPACE
