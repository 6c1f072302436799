#include "export/pdfapi.h"

#include "export/htmltable.h"

#include <QDebug>
#include <QFileInfo>

PdfAPI::PdfAPI(QObject *parent)
    : QObject(parent)
{
    Singleton<PdfAPI>::releaseWithApplication();
}

PdfAPI *PdfAPI::getInstance()
{
    return Singleton<PdfAPI>::instance();
}

bool PdfAPI::savePdf(const QString &fileName, const QString &title, const QString &subTitle,
                     const QList<QString> &columnNames, const QList<int> &columnWidths, const QStringList &content,
                     bool landscape, bool check, int checkColumn, const QString &checkType, const QString &checkValue,
                     QPrinter::PageSize pageSize)
{
    m_markup = HtmlTable::singleTable(title, subTitle, columnNames, columnWidths, content,
                                      HtmlTable::checkOf(check, checkColumn, checkType, checkValue));
    return writePdf(fileName, landscape, HtmlTable::scaledMargins(HtmlTable::screenDpi(), 12), pageSize);
}

bool PdfAPI::savePdf(const QString &fileName, const QString &title, const QList<QString> &columnNames,
                     const QList<int> &columnWidths, const QStringList &subTitle1, const QStringList &subTitle2,
                     const QStringList &content, bool landscape, bool check, int checkColumn, const QString &checkType,
                     const QString &checkValue, QPrinter::PageSize pageSize)
{
    m_markup = HtmlTable::sectioned(title, columnNames, columnWidths, subTitle1, subTitle2, content,
                                    HtmlTable::checkOf(check, checkColumn, checkType, checkValue));
    return writePdf(fileName, landscape, QMarginsF(10, 10, 10, landscape ? 13 : 12), pageSize);
}

bool PdfAPI::writePdf(const QString &fileName, bool landscape, const QMarginsF &marginsMm, QPrinter::PageSize pageSize)
{
    for (const QString &piece : qAsConst(m_markup))
        qDebug().noquote() << piece;
    if (fileName.isEmpty()) {
        qWarning() << "PdfAPI: no file name";
        return false;
    }
    QFile::remove(fileName);
    QPrinter printer(QPrinter::ScreenResolution);
    HtmlTable::setUpPrinter(&printer, pageSize, landscape, marginsMm);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    HtmlTable::render(m_markup.join(QString()), &printer);
    const QFileInfo written(fileName);
    if (!written.exists() || written.size() == 0) {
        qWarning().noquote() << QStringLiteral("PdfAPI: \"%1\" could not be written").arg(fileName);
        return false;
    }
    return true;
}
