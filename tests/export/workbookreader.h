#pragma once

// Reads an XML Spreadsheet 2003 file back the way a spreadsheet program
// would: well-formedness first, then the worksheet's columns and rows.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

struct WorkbookCell {
    QString style;
    QString text;
    int mergeAcross = 0;
};
using WorkbookRow = QList<WorkbookCell>;

struct Workbook {
    bool wellFormed = false;
    QString error;
    QString sheetName;
    QString created;
    int expandedColumns = -1;
    QList<int> columnWidths;
    QList<WorkbookRow> rows;
    QStringList styleIds;

    QStringList texts(int row) const
    {
        QStringList out;
        for (const WorkbookCell &c : rows.value(row))
            out << c.text;
        return out;
    }
    QStringList styles(int row) const
    {
        QStringList out;
        for (const WorkbookCell &c : rows.value(row))
            out << c.style;
        return out;
    }
};

inline Workbook readWorkbookData(const QByteArray &data)
{
    Workbook book;
    QXmlStreamReader xml(data);
    const QString ss = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");
    const QString office = QStringLiteral("urn:schemas-microsoft-com:office:office");
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        const auto attrs = xml.attributes();
        if (name == QLatin1String("Created") && xml.namespaceUri() == office) {
            book.created = xml.readElementText();
        } else if (name == QLatin1String("Style")) {
            book.styleIds << attrs.value(ss, QStringLiteral("ID")).toString();
        } else if (name == QLatin1String("Worksheet")) {
            book.sheetName = attrs.value(ss, QStringLiteral("Name")).toString();
        } else if (name == QLatin1String("Table")) {
            book.expandedColumns = attrs.value(ss, QStringLiteral("ExpandedColumnCount")).toInt();
        } else if (name == QLatin1String("Column")) {
            book.columnWidths << attrs.value(ss, QStringLiteral("Width")).toInt();
        } else if (name == QLatin1String("Row")) {
            book.rows << WorkbookRow();
        } else if (name == QLatin1String("Cell")) {
            WorkbookCell cell;
            cell.style = attrs.value(ss, QStringLiteral("StyleID")).toString();
            cell.mergeAcross = attrs.value(ss, QStringLiteral("MergeAcross")).toInt();
            book.rows.last() << cell;
        } else if (name == QLatin1String("Data")) {
            book.rows.last().last().text = xml.readElementText();
        }
    }
    book.wellFormed = !xml.hasError();
    book.error = xml.errorString();
    return book;
}

inline Workbook readWorkbook(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Workbook book;
        book.error = file.errorString();
        return book;
    }
    return readWorkbookData(file.readAll());
}
