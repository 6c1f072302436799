#pragma once

// Shared pieces of the export tests. readWorkbook reads an XML Spreadsheet
// 2003 file back the way a spreadsheet program would: well-formedness
// first, then the worksheet's columns and rows.

#include "support/testenv.h"

#include <QFile>
#include <QThread>
#include <QXmlStreamReader>

// A file below the test's working directory.
inline QString testFile(const QString &name)
{
    return TestEnv::instance()->path(name);
}

// Runs body(i) for i in [0, count), each in a thread of its own, all at
// once; true when every thread ended in time.
template <typename Body> bool runThreads(int count, Body body)
{
    QList<QThread *> threads;
    for (int i = 0; i < count; ++i)
        threads << QThread::create(body, i);
    for (QThread *t : threads)
        t->start();
    bool ok = true;
    for (QThread *t : threads) {
        ok = t->wait(20000) && ok;
        delete t;
    }
    return ok;
}

struct WorkbookCell {
    QString style;
    QString text;
    int mergeAcross = 0;
};

struct Workbook {
    bool wellFormed = false;
    QString error;
    QString sheetName;
    int expandedColumns = -1;
    QList<int> columnWidths;
    QList<QList<WorkbookCell>> rows;
    QStringList styleIds;

    QStringList texts(int row) const { return column(row, &WorkbookCell::text); }
    QStringList styles(int row) const { return column(row, &WorkbookCell::style); }
    QList<QStringList> allTexts() const
    {
        QList<QStringList> out;
        for (int r = 0; r < rows.size(); ++r)
            out << texts(r);
        return out;
    }
    QStringList column(int row, QString WorkbookCell::*member) const
    {
        QStringList out;
        for (const WorkbookCell &c : rows.value(row))
            out << c.*member;
        return out;
    }
};

inline Workbook readWorkbook(const QString &fileName)
{
    Workbook book;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        book.error = file.errorString();
        return book;
    }
    QXmlStreamReader xml(&file);
    const QString ss = QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet");
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        const auto attrs = xml.attributes();
        const auto attr = [&](const char *key) { return attrs.value(ss, QLatin1String(key)).toString(); };
        if (name == QLatin1String("Style"))
            book.styleIds << attr("ID");
        else if (name == QLatin1String("Worksheet"))
            book.sheetName = attr("Name");
        else if (name == QLatin1String("Table"))
            book.expandedColumns = attr("ExpandedColumnCount").toInt();
        else if (name == QLatin1String("Column"))
            book.columnWidths << attr("Width").toInt();
        else if (name == QLatin1String("Row"))
            book.rows << QList<WorkbookCell>();
        else if (name == QLatin1String("Cell"))
            book.rows.last() << WorkbookCell{attr("StyleID"), QString(), attr("MergeAcross").toInt()};
        else if (name == QLatin1String("Data"))
            book.rows.last().last().text = xml.readElementText();
    }
    book.wellFormed = !xml.hasError();
    book.error = xml.errorString();
    return book;
}
