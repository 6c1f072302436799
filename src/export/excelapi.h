#pragma once

#include "core/singleton.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// Writes a table of texts as one XML Spreadsheet 2003 workbook in a single
// synchronous pass: a single table, a table in sections (one subtitle pair
// and header row per section), or a banded table whose rows cycle through
// ten colours. Each saveExcel returns whether the whole file was written;
// the reason of a failure goes to the debug log.
class ExcelAPI : public QObject
{
    Q_OBJECT
public:
    static ExcelAPI *getInstance();

    // Band colour number of the next banded row (0-9), kept for the process.
    static int nextBandColour();

public slots:
    // Single table: each content string is one row, cells separated by ";".
    bool saveExcel(const QString &fileName, const QString &sheetName, const QString &title, const QString &subTitle,
                   const QList<QString> &columnNames, const QList<int> &columnWidths, const QStringList &content,
                   bool border = true, bool check = false, int checkColumn = 0,
                   const QString &checkType = QStringLiteral("=="), const QString &checkValue = QStringLiteral("0"));

    // Sections: each content string is one section, rows separated by ";",
    // cells by "|"; subTitle1/subTitle2 entry i heads section i.
    bool saveExcel(const QString &fileName, const QString &sheetName, const QString &title,
                   const QList<QString> &columnNames, const QList<int> &columnWidths, const QStringList &subTitle1,
                   const QStringList &subTitle2, const QStringList &content, bool border = true, bool check = false,
                   int checkColumn = 0, const QString &checkType = QStringLiteral("=="),
                   const QString &checkValue = QStringLiteral("0"));

    // Bands: cells from the third on take the row's band colour.
    bool saveExcel(const QString &fileName, const QString &sheetName, const QString &title,
                   const QList<QString> &columnNames, const QList<int> &columnWidths, const QStringList &content);

private:
    friend class Singleton<ExcelAPI>;
    explicit ExcelAPI(QObject *parent = nullptr);
};
