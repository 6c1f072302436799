#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// The lines of an XML Spreadsheet 2003 workbook, written as UTF-8 into a
// device through a buffer of its own. Every text is escaped on the way in.
// Style ids are ASCII. Writes before setDevice() are dropped.
class WorkbookWriter
{
public:
    static constexpr int kDefaultColumnWidth = 54;

    explicit WorkbookWriter(QIODevice *device = nullptr);
    ~WorkbookWriter();

    void setDevice(QIODevice *device);
    QIODevice *device() const { return m_device; }

    // One line (a line feed is added) or a piece without a line end; both
    // are taken as they are, unescaped.
    void line(const char *utf8);
    void raw(const char *utf8);

    void writeHead();                             // the XML and Workbook start
    void writeDocument(const QDateTime &created); // properties and window settings
    void writeDefaultStyle();                     // the "Default" style
    void writeBorders(int weight);                // nothing when weight < 1
    void writeBandStyles(int borderWeight);       // s_color_0 to s_color_9
    void writeWorksheet(const QString &sheetName, int columnCount, const QList<int> &widths);
    void writeTitleRow(const QString &title, int columnCount);       // ends without a line feed
    void writeSubTitleRow(const QString &subTitle, int columnCount); // ends without a line feed
    void writeSpacerRow();                                           // ends without a line feed
    void writeHeaderRow(const QList<QString> &columnNames);
    void beginRow();
    void writeCell(const char *styleId, const QString &text);
    // One cell per part of a packed row (empty parts kept), all in one style.
    void writeCells(const char *styleId, const QString &row, QChar separator);
    void endRow();
    void writeEnd();

    // Writes out what is buffered; false once any write has failed.
    bool flush();
    bool ok() const { return !m_failed; }
    QString errorString() const { return m_error; }

    static QByteArray bandStyleId(int colour);

private:
    void writeMergedRow(const char *rowStart, const char *styleId, const QString &text, int columnCount);
    void maybeFlush();
    void writeCellText(const QByteArray &prefix, const QChar *text, int length);
    const QByteArray &cellPrefix(const char *styleId);

    QIODevice *m_device = nullptr;
    QByteArray m_buffer;
    QByteArray m_prefixStyle; // the style of m_prefix
    QByteArray m_prefix;      // a cell line up to its text
    bool m_failed = false;
    QString m_error;
};
