#pragma once

#include <QList>
#include <QMarginsF>
#include <QString>
#include <QStringList>

class QPrinter;

// The HTML table markup shared by the PDF and print exporters, kept as a list
// of pieces joined with no separator. Every inserted text is escaped after
// the packed rows were split.
class HtmlTable
{
public:
    // How a row meets the check rule; column < 0 turns the check off.
    struct Check {
        int column = -1;
        QString type;
        QString value;
    };
    static Check checkOf(bool check, int column, const QString &type, const QString &value)
    {
        return Check{check ? column : -1, type, value};
    }

    static QString tableStart();
    static QString tableEnd();
    static void appendTitle(QStringList &markup, const QString &title, int columnCount);
    static void appendSubTitle(QStringList &markup, const QString &subTitle, int columnCount);
    static void appendSpacer(QStringList &markup, int columnCount);
    // Nothing when there are no column names.
    static void appendHeader(QStringList &markup, const QList<QString> &columnNames, const QList<int> &widths);
    // One row of the given cells, all red when the row is a hit; a cell
    // position without a width gets no width attribute.
    static void appendRow(QStringList &markup, const QStringList &cells, const QList<int> &widths, const Check &check);

    // Single table: content rows cut or padded to the column count.
    static QStringList singleTable(const QString &title, const QString &subTitle, const QList<QString> &columnNames,
                                   const QList<int> &columnWidths, const QStringList &content, const Check &check);
    // Sections: rows separated by ";", cells by "|".
    static QStringList sectioned(const QString &title, const QList<QString> &columnNames,
                                 const QList<int> &columnWidths, const QStringList &subTitle1,
                                 const QStringList &subTitle2, const QStringList &content, const Check &check);

    // Page margins in millimetres that scale with the screen's logical dots
    // per inch: left, top and right 10 and the bottom as given, at 96 dpi.
    static QMarginsF scaledMargins(qreal dpi, qreal bottomAt96);
    // Logical dots per inch of the first screen (96 without a screen).
    static qreal screenDpi();

    // Sets page size, orientation and millimetre margins of a printer.
    static void setUpPrinter(QPrinter *printer, int pageSize, bool landscape, const QMarginsF &marginsMm);
    // Renders the markup on the printer, one text document sized to its page.
    static void render(const QString &html, QPrinter *printer);
};
