#include "export/htmltable.h"

#include "export/exporttext.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>

namespace {
QString cellOpen(const QList<int> &widths, int position, bool hit)
{
    QString piece = QStringLiteral("<td ");
    if (position < widths.size())
        piece += QStringLiteral("width='%1' ").arg(widths.at(position));
    piece += QStringLiteral("align='center' style='vertical-align:middle;'>");
    if (hit)
        piece += QStringLiteral("<font color='red'>");
    return piece;
}
} // namespace

QString HtmlTable::tableStart()
{
    return QStringLiteral("<table border='0.5' cellspacing='0' cellpadding='3'>");
}

QString HtmlTable::tableEnd()
{
    return QStringLiteral("</table>");
}

void HtmlTable::appendTitle(QStringList &markup, const QString &title, int columnCount)
{
    markup << QStringLiteral("<tr><td align='center' style='vertical-align:middle;font-weight:bold;' colspan='%1'>")
                  .arg(columnCount)
           << ExportText::html(title) << QStringLiteral("</td></tr>");
}

void HtmlTable::appendSubTitle(QStringList &markup, const QString &subTitle, int columnCount)
{
    markup << QStringLiteral("<tr><td align='left' style='vertical-align:middle;' colspan='%1'>").arg(columnCount)
           << ExportText::html(subTitle) << QStringLiteral("</td></tr>");
}

void HtmlTable::appendSpacer(QStringList &markup, int columnCount)
{
    markup << QStringLiteral("<tr><td colspan='%1'>").arg(columnCount) << QStringLiteral("</td></tr>");
}

void HtmlTable::appendHeader(QStringList &markup, const QList<QString> &columnNames, const QList<int> &widths)
{
    if (columnNames.isEmpty())
        return;
    markup << QStringLiteral("<tr>");
    for (int i = 0; i < columnNames.size(); ++i) {
        QString open = QStringLiteral("<td ");
        if (i < widths.size())
            open += QStringLiteral("width='%1' ").arg(widths.at(i));
        open += QStringLiteral("bgcolor='lightgray' align='center' style='vertical-align:middle;'>");
        markup << open << ExportText::html(columnNames.at(i)) << QStringLiteral("</td>");
    }
    markup << QStringLiteral("</tr>");
}

void HtmlTable::appendRow(QStringList &markup, const QStringList &cells, const QList<int> &widths, const Check &check)
{
    const bool hit = ExportText::isHit(cells, check.column, check.type, check.value, false);
    markup << QStringLiteral("<tr>");
    for (int j = 0; j < cells.size(); ++j) {
        markup << cellOpen(widths, j, hit) << ExportText::html(cells.at(j))
               << (hit ? QStringLiteral("</font></td>") : QStringLiteral("</td>"));
    }
    markup << QStringLiteral("</tr>");
}

QStringList HtmlTable::singleTable(const QString &title, const QString &subTitle, const QList<QString> &columnNames,
                                   const QList<int> &columnWidths, const QStringList &content, const Check &check)
{
    const int columns = columnNames.size();
    QStringList markup{tableStart()};
    if (!title.isEmpty())
        appendTitle(markup, title, columns);
    if (!subTitle.isEmpty())
        appendSubTitle(markup, subTitle, columns);
    appendHeader(markup, columnNames, columnWidths);
    for (const QString &row : content) {
        QStringList cells = ExportText::split(row, QStringLiteral(";"));
        // The hit is judged on the row as given; only the columns are shown.
        const bool hit = ExportText::isHit(cells, check.column, check.type, check.value, false);
        cells = cells.mid(0, columns);
        while (cells.size() < columns)
            cells.append(QString());
        markup << QStringLiteral("<tr>");
        for (int j = 0; j < columns; ++j) {
            markup << cellOpen(columnWidths, j, hit) << ExportText::html(cells.at(j))
                   << (hit ? QStringLiteral("</font></td>") : QStringLiteral("</td>"));
        }
        markup << QStringLiteral("</tr>");
    }
    markup << tableEnd();
    return markup;
}

QStringList HtmlTable::sectioned(const QString &title, const QList<QString> &columnNames,
                                 const QList<int> &columnWidths, const QStringList &subTitle1,
                                 const QStringList &subTitle2, const QStringList &content, const Check &check)
{
    const int columns = columnNames.size();
    QStringList markup{tableStart()};
    if (!title.isEmpty())
        appendTitle(markup, title, columns);
    for (int i = 0; i < content.size(); ++i) {
        appendSpacer(markup, columns);
        if (!subTitle1.value(i).isEmpty())
            appendSubTitle(markup, subTitle1.at(i), columns);
        if (!subTitle2.value(i).isEmpty())
            appendSubTitle(markup, subTitle2.at(i), columns);
        appendHeader(markup, columnNames, columnWidths);
        for (const QString &row : ExportText::split(content.at(i), QStringLiteral(";")))
            appendRow(markup, ExportText::split(row, QStringLiteral("|")), columnWidths, check);
    }
    markup << tableEnd();
    return markup;
}

QMarginsF HtmlTable::scaledMargins(qreal dpi, qreal bottomAt96)
{
    const qreal side = dpi * 10 / 96;
    return QMarginsF(side, side, side, dpi * bottomAt96 / 96);
}

qreal HtmlTable::screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (!screens.isEmpty())
        screen = screens.first();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void HtmlTable::setUpPrinter(QPrinter *printer, int pageSize, bool landscape, const QMarginsF &marginsMm)
{
    printer->setPageSize(QPageSize(QPageSize::PageSizeId(pageSize)));
    printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setPageMargins(marginsMm, QPageLayout::Millimeter);
}

void HtmlTable::render(const QString &html, QPrinter *printer)
{
    QTextDocument document;
    document.setHtml(html);
    document.setPageSize(printer->pageLayout().paintRectPixels(printer->resolution()).size());
    document.print(printer);
}
