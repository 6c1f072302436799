#pragma once

#include "core/singleton.h"

#include <QList>
#include <QObject>
#include <QPrinter>
#include <QString>
#include <QStringList>

// Renders a table of texts as one HTML table into a PDF file: a single table
// (one content string per row, cells separated by ";") or sections (one
// content string per section, rows separated by ";", cells by "|").
// Each savePdf returns whether the PDF file was written.
class PdfAPI : public QObject
{
    Q_OBJECT
public:
    static PdfAPI *getInstance();

    // The markup pieces of the last savePdf.
    QStringList markup() const { return m_markup; }

public slots:
    bool savePdf(const QString &fileName, const QString &title, const QString &subTitle,
                 const QList<QString> &columnNames, const QList<int> &columnWidths, const QStringList &content,
                 bool landscape = false, bool check = false, int checkColumn = 0,
                 const QString &checkType = QStringLiteral("=="), const QString &checkValue = QStringLiteral("0"),
                 QPrinter::PageSize pageSize = QPrinter::A4);

    bool savePdf(const QString &fileName, const QString &title, const QList<QString> &columnNames,
                 const QList<int> &columnWidths, const QStringList &subTitle1, const QStringList &subTitle2,
                 const QStringList &content, bool landscape = false, bool check = false, int checkColumn = 0,
                 const QString &checkType = QStringLiteral("=="), const QString &checkValue = QStringLiteral("0"),
                 QPrinter::PageSize pageSize = QPrinter::A4);

private:
    friend class Singleton<PdfAPI>;
    explicit PdfAPI(QObject *parent = nullptr);
    bool writePdf(const QString &fileName, bool landscape, const QMarginsF &marginsMm, QPrinter::PageSize pageSize);

    QStringList m_markup;
};
