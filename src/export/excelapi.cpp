#include "export/excelapi.h"

#include "export/exporttext.h"
#include "export/workbookwriter.h"

#include <QDebug>
#include <QFile>
#include <QMutex>

namespace {
QBasicMutex s_bandMutex;
int s_bandColour = 0; // guarded by s_bandMutex

// The style lines after the default style of the single-table and
// sectioned forms.
void writeTableStyles(WorkbookWriter &w, bool border)
{
    const int weight = border ? 1 : 0;
    w.line("  <Style ss:ID=\"s_title\">");
    w.line("   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>");
    w.writeBorders(weight);
    w.line("   <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"11\" ss:Color=\"#000000\" ss:Bold=\"1\"/>");
    w.line("  </Style>");
    w.line("  <Style ss:ID=\"s_subtitle\">");
    w.line("   <Alignment ss:Horizontal=\"Left\" ss:Vertical=\"Center\"/>");
    w.writeBorders(weight);
    w.line("   <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"10\" ss:Color=\"#000000\" ss:Bold=\"0\"/>");
    w.line("  </Style>");
    w.line("  <Style ss:ID=\"s_normal\">");
    w.writeBorders(weight);
    w.line(" </Style>");
    w.line("  <Style ss:ID=\"s_red\">");
    w.writeBorders(weight);
    w.line("  <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"10\" ss:Color=\"#FF0000\" ss:Bold=\"0\"/>");
    w.line(" </Style>");
    w.line(" </Styles>");
}

void writeBandedStyles(WorkbookWriter &w)
{
    w.line("  <Style ss:ID=\"s_title\">");
    w.line("   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>");
    w.writeBorders(1);
    w.line("   <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"15\" ss:Color=\"#000000\" ss:Bold=\"1\"/>");
    w.line("  </Style>");
    w.line("  <Style ss:ID=\"s_normal\">");
    w.line("   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>");
    w.writeBorders(1);
    w.line(" </Style>");
    w.writeBandStyles(1);
    w.line(" </Styles>");
}

void writeStart(WorkbookWriter &w)
{
    w.writeHead();
    w.writeDocument(QDateTime::currentDateTime());
    w.line(" <Styles>");
    w.writeDefaultStyle();
}

// One content row; a hit of the check rule writes every cell in red.
void writeCheckedRow(WorkbookWriter &w, const QString &row, QChar separator, bool check, int checkColumn,
                     const QString &checkType, const QString &checkValue)
{
    const bool hit = check && ExportText::isHit(ExportText::split(row, QString(separator)), checkColumn, checkType,
                                                checkValue, true);
    w.beginRow();
    w.writeCells(hit ? "s_red" : "s_normal", row, separator);
    w.endRow();
}

// Opens the file, lets body write the workbook, and reports whether all of
// it reached the file.
template <typename Body> bool writeWorkbook(const QString &fileName, Body body)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qWarning().noquote() << QStringLiteral("ExcelAPI: cannot open \"%1\" for writing: %2")
                                    .arg(fileName,
                                         fileName.isEmpty() ? QStringLiteral("no file name") : file.errorString());
        return false;
    }
    WorkbookWriter w(&file);
    body(w);
    bool ok = w.flush();
    QString reason = w.errorString();
    if (ok && !file.flush()) {
        ok = false;
        reason = file.errorString();
    }
    file.close();
    if (ok && file.error() != QFileDevice::NoError) {
        ok = false;
        reason = file.errorString();
    }
    if (!ok)
        qWarning().noquote() << QStringLiteral("ExcelAPI: writing \"%1\" failed: %2").arg(fileName, reason);
    return ok;
}
} // namespace

ExcelAPI::ExcelAPI(QObject *parent)
    : QObject(parent)
{
    Singleton<ExcelAPI>::releaseWithApplication();
}

ExcelAPI *ExcelAPI::getInstance()
{
    return Singleton<ExcelAPI>::instance();
}

int ExcelAPI::nextBandColour()
{
    QMutexLocker lock(&s_bandMutex);
    return s_bandColour;
}

bool ExcelAPI::saveExcel(const QString &fileName, const QString &sheetName, const QString &title,
                         const QString &subTitle, const QList<QString> &columnNames, const QList<int> &columnWidths,
                         const QStringList &content, bool border, bool check, int checkColumn, const QString &checkType,
                         const QString &checkValue)
{
    return writeWorkbook(fileName, [&](WorkbookWriter &w) {
        const int columns = columnNames.size();
        writeStart(w);
        writeTableStyles(w, border);
        w.writeWorksheet(sheetName, columns, columnWidths);
        if (!title.isEmpty())
            w.writeTitleRow(title, columns);
        if (!subTitle.isEmpty())
            w.writeSubTitleRow(subTitle, columns);
        w.writeHeaderRow(columnNames);
        for (const QString &row : content)
            writeCheckedRow(w, row, QLatin1Char(';'), check, checkColumn, checkType, checkValue);
        w.writeEnd();
    });
}

bool ExcelAPI::saveExcel(const QString &fileName, const QString &sheetName, const QString &title,
                         const QList<QString> &columnNames, const QList<int> &columnWidths,
                         const QStringList &subTitle1, const QStringList &subTitle2, const QStringList &content,
                         bool border, bool check, int checkColumn, const QString &checkType, const QString &checkValue)
{
    return writeWorkbook(fileName, [&](WorkbookWriter &w) {
        const int columns = columnNames.size();
        writeStart(w);
        writeTableStyles(w, border);
        w.writeWorksheet(sheetName, columns, columnWidths);
        if (!title.isEmpty())
            w.writeTitleRow(title, columns);
        for (int i = 0; i < content.size(); ++i) {
            w.writeSpacerRow();
            if (!subTitle1.value(i).isEmpty())
                w.writeSubTitleRow(subTitle1.at(i), columns);
            if (!subTitle2.value(i).isEmpty())
                w.writeSubTitleRow(subTitle2.at(i), columns);
            w.writeHeaderRow(columnNames);
            for (const QString &row : ExportText::split(content.at(i), QStringLiteral(";")))
                writeCheckedRow(w, row, QLatin1Char('|'), check, checkColumn, checkType, checkValue);
        }
        w.writeEnd();
    });
}

bool ExcelAPI::saveExcel(const QString &fileName, const QString &sheetName, const QString &title,
                         const QList<QString> &columnNames, const QList<int> &columnWidths, const QStringList &content)
{
    // One banded export at a time, so that its rows take consecutive colours.
    QMutexLocker lock(&s_bandMutex);
    return writeWorkbook(fileName, [&](WorkbookWriter &w) {
        const int columns = columnNames.size();
        writeStart(w);
        writeBandedStyles(w);
        w.writeWorksheet(sheetName, columns, columnWidths);
        if (!title.isEmpty())
            w.writeTitleRow(title, columns);
        w.writeHeaderRow(columnNames);
        for (const QString &row : content) {
            const QByteArray band = WorkbookWriter::bandStyleId(s_bandColour);
            const QStringList cells = ExportText::split(row, QStringLiteral(";"));
            w.beginRow();
            for (int i = 0; i < cells.size(); ++i)
                w.writeCell(i < 2 ? "s_normal" : band.constData(), cells.at(i));
            w.endRow();
            s_bandColour = (s_bandColour + 1) % 10;
        }
        w.writeEnd();
    });
}
