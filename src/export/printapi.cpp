#include "export/printapi.h"

#include "export/htmltable.h"
#include "export/printpreview.h"

PrintAPI::PrintAPI(QObject *parent)
    : QObject(parent)
{
    Singleton<PrintAPI>::releaseWithApplication();
}

PrintAPI *PrintAPI::getInstance()
{
    return Singleton<PrintAPI>::instance();
}

void PrintAPI::printView(QPrinter *printer)
{
    HtmlTable::render(m_markup.join(QString()), printer);
}

void PrintAPI::print(const QString &title, const QString &subTitle, const QList<QString> &columnNames,
                     const QList<int> &columnWidths, const QStringList &content, bool landscape, bool check,
                     int checkColumn, const QString &checkType, const QString &checkValue, QPrinter::PageSize pageSize)
{
    m_markup = HtmlTable::singleTable(title, subTitle, columnNames, columnWidths, content,
                                      HtmlTable::checkOf(check, checkColumn, checkType, checkValue));
    preview(landscape, HtmlTable::scaledMargins(HtmlTable::screenDpi(), landscape ? 10 : 11), pageSize);
}

void PrintAPI::print(const QString &title, const QList<QString> &columnNames, const QList<int> &columnWidths,
                     const QStringList &subTitle1, const QStringList &subTitle2, const QStringList &content,
                     bool landscape, bool check, int checkColumn, const QString &checkType, const QString &checkValue,
                     QPrinter::PageSize pageSize)
{
    m_markup = HtmlTable::sectioned(title, columnNames, columnWidths, subTitle1, subTitle2, content,
                                    HtmlTable::checkOf(check, checkColumn, checkType, checkValue));
    preview(landscape, QMarginsF(10, 10, 10, landscape ? 10 : 11), pageSize);
}

void PrintAPI::preview(bool landscape, const QMarginsF &marginsMm, QPrinter::PageSize pageSize)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    HtmlTable::setUpPrinter(&printer, pageSize, landscape, marginsMm);
    PrintPreview::run(&printer, [this](QPrinter *target) { printView(target); });
}
