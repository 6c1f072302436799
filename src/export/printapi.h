#pragma once

#include "core/singleton.h"

#include <QList>
#include <QObject>
#include <QPrinter>
#include <QString>
#include <QStringList>

// Shows a table of texts as one HTML table in a print preview from which the
// user prints it; the table forms are those of PdfAPI. The markup of the last
// print() is kept, so every paint request of the preview renders it whole.
class PrintAPI : public QObject
{
    Q_OBJECT
public:
    static PrintAPI *getInstance();

    QStringList markup() const { return m_markup; }

public slots:
    void printView(QPrinter *printer);

    void print(const QString &title, const QString &subTitle, const QList<QString> &columnNames,
               const QList<int> &columnWidths, const QStringList &content, bool landscape = false, bool check = false,
               int checkColumn = 0, const QString &checkType = QStringLiteral("=="),
               const QString &checkValue = QStringLiteral("0"), QPrinter::PageSize pageSize = QPrinter::A4);

    void print(const QString &title, const QList<QString> &columnNames, const QList<int> &columnWidths,
               const QStringList &subTitle1, const QStringList &subTitle2, const QStringList &content,
               bool landscape = false, bool check = false, int checkColumn = 0,
               const QString &checkType = QStringLiteral("=="), const QString &checkValue = QStringLiteral("0"),
               QPrinter::PageSize pageSize = QPrinter::A4);

private:
    friend class Singleton<PrintAPI>;
    explicit PrintAPI(QObject *parent = nullptr);
    void preview(bool landscape, const QMarginsF &marginsMm, QPrinter::PageSize pageSize);

    QStringList m_markup;
};
