#include "review/reportoutput.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QTextDocument>

#include <cmath>

namespace {

const char kHtmlTemplate[] = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>pdf</title>\n</head>\n"
                             "<body>\n<div class=\"background\">\n   <img src=\"%1\" width='%2' height='%3' >\n</div>\n"
                             "</body>\n</html>\n";

// Height the text document adds around an inline image: its own margins and
// the descent of the line that holds the image.
int layoutOverhead()
{
    QTextDocument doc;
    doc.setHtml(ReportOutput::htmlPage(QStringLiteral("missing.bmp"), QSize(100, 140)));
    doc.setPageSize(QSizeF(10000, 1e7));
    return static_cast<int>(std::ceil(doc.size().height())) - 140 + 1;
}

} // namespace

qreal ReportOutput::pdfMarginMm(qreal dpi)
{
    return dpi * 10 / 96;
}

namespace {

// 92 % of the A4 width at `dpi`, 5:7, clamped to the page body that margins
// of `marginMm` leave.
QSize imageSizeFor(qreal dpi, qreal marginMm)
{
    const double dotsPerCm = dpi / 2.54;
    const int a4Width = static_cast<int>(std::round(dotsPerCm * 210 / 10));
    const int a4Height = static_cast<int>(std::round(dotsPerCm * 297 / 10));
    int width = static_cast<int>(a4Width * 0.92);
    int height = width * 7 / 5;
    qDebug() << "guiSize is" << width << a4Height;

    const double marginPixels = marginMm / 25.4 * dpi;
    const int body = static_cast<int>(std::floor(a4Height - 2 * marginPixels)) - layoutOverhead();
    if (height > body) {
        height = body;
        width = height * 5 / 7;
    }
    return QSize(width, height);
}

} // namespace

QSize ReportOutput::htmlImageSize(qreal dpi)
{
    return imageSizeFor(dpi, pdfMarginMm(dpi));
}

QSize ReportOutput::printImageSize(qreal dpi)
{
    return imageSizeFor(dpi, kPrintMarginMm);
}

void ReportOutput::setUpPrinter(QPrinter *printer)
{
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
                            QPageLayout::Millimeter);
}

QString ReportOutput::htmlPage(const QString &imagePath, const QSize &imageSize)
{
    return QString::fromUtf8(kHtmlTemplate)
        .arg(imagePath, QString::number(imageSize.width()), QString::number(imageSize.height()));
}

QString ReportOutput::pdfFileName(const QDateTime &when)
{
    const QLocale c = QLocale::c();
    return QCoreApplication::translate("SampleReportDlg", "PCR檢測報告%1%2.pdf")
        .arg(c.toString(when.date(), QStringLiteral("yyyyMMdd")), c.toString(when.time(), QStringLiteral("hhmmss")));
}

QString ReportOutput::defaultPdfFolder()
{
    return QStringLiteral("%1/%2").arg(QStringLiteral("./app"), QStringLiteral("PdfFile"));
}

QString ReportOutput::pdfFilePath(const QString &folder, const QString &fileName)
{
    if (folder.isEmpty())
        return QStringLiteral("%1/%2/%3").arg(QStringLiteral("./app"), QStringLiteral("PdfFile"), fileName);
    return folder + QLatin1Char('/') + fileName;
}

void ReportOutput::printHtml(const QString &html, QPrinter *printer)
{
    QTextDocument doc;
    doc.setHtml(html);
    doc.setPageSize(printer->pageRect(QPrinter::DevicePixel).size());
    doc.print(printer);
}

bool ReportOutput::writePdf(const QString &html, const QString &path, qreal dpi, bool landscape,
                            QPageSize::PageSizeId pageSize)
{
    QPrinter printer(QPrinter::ScreenResolution);
    // The HTML was sized in screen dots; the page body must be measured in
    // the same dots.
    printer.setResolution(qRound(dpi));
    printer.setPageSize(QPageSize(pageSize));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const qreal margin = pdfMarginMm(dpi);
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    // A file from an earlier export under the same name must not pass for
    // this one's output.
    if (QFileInfo::exists(path))
        QFile::remove(path);
    printHtml(html, &printer);
    qDebug() << "ReportOutput::writePdf" << path << html;
    const QFileInfo written(path);
    if (!written.exists() || written.size() <= 0) {
        qDebug() << "ERR: no PDF written at" << path;
        return false;
    }
    return true;
}

bool ReportOutput::ensureOutputFolders()
{
    bool ok = true;
    for (const QString &folder : {QStringLiteral("./app/print"), defaultPdfFolder()}) {
        if (!QDir().mkpath(folder)) {
            qDebug() << "ERR: cannot create folder" << folder;
            ok = false;
        }
    }
    return ok;
}
