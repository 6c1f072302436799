#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QPageSize>
#include <QSize>
#include <QString>

class QPrinter;

// The report page's road to paper and PDF: the report image wrapped in a
// one-image HTML page sized to an A4 sheet at screen resolution, laid out by a
// text document and printed.
class ReportOutput
{
public:
    // Page margins of the PDF, in millimetres: 10 at 96 dots per inch.
    static qreal pdfMarginMm(qreal dpi);

    // Size of the HTML image element for a screen of `dpi` logical dots per
    // inch: 92 % of the A4 width, 5:7. From about 120 dpi that is taller than
    // the PDF's page body, which would cut the report's bottom onto a second
    // page; it is then clamped to the body, keeping 5:7.
    static QSize htmlImageSize(qreal dpi);
    // The same for the printer, whose margins are kPrintMarginMm at every
    // resolution: the 92 % width fits its page body at every dpi, so nothing
    // is clamped there.
    static QSize printImageSize(qreal dpi);
    static constexpr qreal kPrintMarginMm = 10;
    // The print path's printer: A4, portrait, 10 mm margins.
    static void setUpPrinter(QPrinter *printer);
    static QString htmlPage(const QString &imagePath, const QSize &imageSize);

    // "PCR檢測報告yyyyMMddhhmmss.pdf" and where it goes: the given folder, or
    // ./app/PdfFile when the folder text is empty.
    static QString pdfFileName(const QDateTime &when);
    static QString defaultPdfFolder();
    static QString pdfFilePath(const QString &folder, const QString &fileName);

    // Lays the HTML out on the printer's page body and prints it.
    static void printHtml(const QString &html, QPrinter *printer);

    // Writes the HTML as a PDF at `path`. True when a non-empty file is there
    // afterwards.
    static bool writePdf(const QString &html, const QString &path, qreal dpi, bool landscape,
                         QPageSize::PageSizeId pageSize);

    // Creates ./app/print and ./app/PdfFile when they are missing: the user may
    // delete them while the program runs.
    static bool ensureOutputFolders();
};
