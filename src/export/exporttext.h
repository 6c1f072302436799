#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text rules every table exporter shares: packed rows are split first and
// each piece is escaped afterwards (escaping first would split "&amp;" on its
// ";"), and the check rule that colours hit rows.
class ExportText
{
public:
    // Splits a packed row or section; empty parts are kept.
    static QStringList split(const QString &packed, const QString &separator);
    // A cell text that cannot split the row it is packed into: the
    // separators ";" and "|" become the full-width "；" and "｜".
    static QString cell(QString text);

    // Appends text to out as UTF-8 fit for XML character data and attribute
    // values: & < > " escaped, tab and line ends as character references,
    // characters XML 1.0 does not allow dropped.
    static void appendXml(QByteArray &out, const QString &text);
    static void appendXml(QByteArray &out, const QChar *text, int length);
    static QString xml(const QString &text);
    // The same cleaning for text placed into HTML markup.
    static QString html(const QString &text);

    // Whether a row is a hit of the check rule: the cell at column compared
    // with value as text (UTF-16 code units). A row without that cell and an
    // unknown operator never hit; "contains" only where allowContains.
    static bool isHit(const QStringList &cells, int column, const QString &type, const QString &value,
                      bool allowContains);

    // A time stamp fit for a default file name on every platform.
    static QString fileStamp();
};
