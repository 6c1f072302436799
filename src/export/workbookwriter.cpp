#include "export/workbookwriter.h"

#include "export/exporttext.h"

#include <QIODevice>

namespace {
const int kFlushAt = 1 << 20;
const char *const kBandColours[10] = {"#FF99CC", "#FFCC99", "#FF8080", "#8DB4E2", "#EBF1DE",
                                      "#CC99FF", "#99CC00", "#99CCFF", "#FFFF00", "#FF6600"};
} // namespace

WorkbookWriter::WorkbookWriter(QIODevice *device)
    : m_device(device)
{
    m_buffer.reserve(kFlushAt + 4096);
}

WorkbookWriter::~WorkbookWriter()
{
    flush();
}

void WorkbookWriter::setDevice(QIODevice *device)
{
    flush();
    m_device = device;
    m_failed = false;
    m_error.clear();
}

void WorkbookWriter::line(const char *utf8)
{
    m_buffer += utf8;
    m_buffer += '\n';
    maybeFlush();
}

void WorkbookWriter::raw(const char *utf8)
{
    m_buffer += utf8;
}

void WorkbookWriter::writeHead()
{
    line("<?xml version=\"1.0\"?>");
    line("<?mso-application progid=\"Excel.Sheet\"?>");
    line("<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"");
    line(" xmlns:o=\"urn:schemas-microsoft-com:office:office\"");
    line(" xmlns:x=\"urn:schemas-microsoft-com:office:excel\"");
    line(" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"");
    line(" xmlns:html=\"http://www.w3.org/TR/REC-html40\">");
}

void WorkbookWriter::writeDocument(const QDateTime &created)
{
    line(" <DocumentProperties xmlns=\"urn:schemas-microsoft-com:office:office\">");
    line("  <LastAuthor></LastAuthor>");
    m_buffer += "  <Created>";
    m_buffer += created.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
    line("</Created>");
    line("  <Version>11.6360</Version>");
    line(" </DocumentProperties>");
    line(" <OfficeDocumentSettings xmlns=\"urn:schemas-microsoft-com:office:office\">");
    line("  <AllowPNG/>");
    line(" </OfficeDocumentSettings>");
    line(" <ExcelWorkbook xmlns=\"urn:schemas-microsoft-com:office:excel\">");
    line("  <WindowHeight>9795</WindowHeight>");
    line("  <WindowWidth>21435</WindowWidth>");
    line("  <WindowTopX>120</WindowTopX>");
    // Written twice, as the workbooks of earlier versions carry it.
    line("  <WindowTopY>75</WindowTopY>");
    line("  <WindowTopY>75</WindowTopY>");
    line("  <ProtectWindows>False</ProtectWindows>");
    line(" </ExcelWorkbook>");
}

void WorkbookWriter::writeDefaultStyle()
{
    line("  <Style ss:ID=\"Default\" ss:Name=\"Normal\">");
    line("   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>");
    line("   <Borders/>");
    line("   <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"10\" ss:Color=\"#000000\"/>");
    line("   <Interior/>");
    line("   <NumberFormat/>");
    line("   <Protection/>");
    line("  </Style>");
}

void WorkbookWriter::writeBorders(int weight)
{
    if (weight < 1)
        return;
    const QByteArray w = QByteArray::number(weight);
    line("  <Borders>");
    for (const char *side : {"Bottom", "Left", "Right", "Top"}) {
        m_buffer += "   <Border ss:Position=\"";
        m_buffer += side;
        m_buffer += "\" ss:LineStyle=\"Continuous\" ss:Weight=\"";
        m_buffer += w;
        line("\"/>");
    }
    line("  </Borders>");
}

void WorkbookWriter::writeBandStyles(int borderWeight)
{
    for (int n = 0; n < 10; ++n) {
        m_buffer += "  <Style ss:ID=\"";
        m_buffer += bandStyleId(n);
        line("\">");
        line("   <Alignment ss:Horizontal=\"Left\" ss:Vertical=\"Center\"/>");
        writeBorders(borderWeight);
        m_buffer += "   <Interior ss:Color=\"";
        m_buffer += kBandColours[n];
        line("\" ss:Pattern=\"Solid\"/>");
        line(" </Style>");
    }
}

void WorkbookWriter::writeWorksheet(const QString &sheetName, int columnCount, const QList<int> &widths)
{
    m_buffer += " <Worksheet ss:Name=\"";
    ExportText::appendXml(m_buffer, sheetName);
    line("\">");
    m_buffer += "  <Table ss:ExpandedColumnCount=\"";
    m_buffer += QByteArray::number(columnCount);
    line("\" x:FullColumns=\"1\"");
    line("   x:FullRows=\"1\" ss:DefaultColumnWidth=\"54\" ss:DefaultRowHeight=\"18\">");
    for (int i = 0; i < columnCount; ++i) {
        m_buffer += "   <Column ss:AutoFitWidth=\"0\" ss:Width=\"";
        m_buffer += QByteArray::number(widths.value(i, kDefaultColumnWidth));
        line("\"/>");
    }
}

void WorkbookWriter::writeMergedRow(const char *rowStart, const char *styleId, const QString &text, int columnCount)
{
    line(rowStart);
    m_buffer += "    <Cell ss:MergeAcross=\"";
    m_buffer += QByteArray::number(columnCount - 1);
    m_buffer += "\" ss:StyleID=\"";
    m_buffer += styleId;
    m_buffer += "\"><Data ss:Type=\"String\">";
    ExportText::appendXml(m_buffer, text);
    line("</Data></Cell>");
    raw("   </Row>");
}

void WorkbookWriter::writeTitleRow(const QString &title, int columnCount)
{
    writeMergedRow("   <Row ss:AutoFitHeight=\"0\" ss:Height=\"22\">", "s_title", title, columnCount);
}

void WorkbookWriter::writeSubTitleRow(const QString &subTitle, int columnCount)
{
    writeMergedRow("   <Row ss:AutoFitHeight=\"0\" ss:Height=\"18\">", "s_subtitle", subTitle, columnCount);
}

void WorkbookWriter::writeSpacerRow()
{
    line("   <Row ss:AutoFitHeight=\"0\">");
    raw("   </Row>");
}

void WorkbookWriter::writeHeaderRow(const QList<QString> &columnNames)
{
    if (columnNames.isEmpty())
        return;
    beginRow();
    for (const QString &name : columnNames)
        writeCell("s_normal", name);
    endRow();
}

void WorkbookWriter::beginRow()
{
    line("   <Row ss:AutoFitHeight=\"0\">");
}

const QByteArray &WorkbookWriter::cellPrefix(const char *styleId)
{
    if (m_prefix.isEmpty() || m_prefixStyle != styleId) {
        m_prefixStyle = styleId;
        m_prefix = QByteArrayLiteral("    <Cell ss:StyleID=\"") + m_prefixStyle +
                   QByteArrayLiteral("\"><Data ss:Type=\"String\">");
    }
    return m_prefix;
}

void WorkbookWriter::writeCellText(const QByteArray &prefix, const QChar *text, int length)
{
    static const char suffix[] = "</Data></Cell>\n";
    m_buffer.append(prefix);
    ExportText::appendXml(m_buffer, text, length);
    m_buffer.append(suffix, int(sizeof(suffix)) - 1);
}

void WorkbookWriter::writeCell(const char *styleId, const QString &text)
{
    writeCellText(cellPrefix(styleId), text.constData(), text.size());
    maybeFlush();
}

void WorkbookWriter::writeCells(const char *styleId, const QString &row, QChar separator)
{
    const QByteArray prefix = cellPrefix(styleId);
    const QChar *data = row.constData();
    const int n = row.size();
    int start = 0;
    for (int i = 0; i < n; ++i) {
        if (data[i] == separator) {
            writeCellText(prefix, data + start, i - start);
            start = i + 1;
        }
    }
    writeCellText(prefix, data + start, n - start);
    maybeFlush();
}

void WorkbookWriter::endRow()
{
    line("   </Row>");
}

void WorkbookWriter::writeEnd()
{
    line("  </Table>");
    line("  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">");
    line("   <PageSetup>");
    line("    <Header x:Margin=\"0.3\"/>");
    line("    <Footer x:Margin=\"0.3\"/>");
    line("    <PageMargins x:Bottom=\"0.75\" x:Left=\"0.7\" x:Right=\"0.7\" x:Top=\"0.75\"/>");
    line("   </PageSetup>");
    line("   <Unsynced/>");
    line("   <Selected/>");
    line("   <ProtectObjects>False</ProtectObjects>");
    line("   <ProtectScenarios>False</ProtectScenarios>");
    line("  </WorksheetOptions>");
    line(" </Worksheet>");
    line("</Workbook>");
}

bool WorkbookWriter::flush()
{
    if (m_buffer.isEmpty())
        return !m_failed;
    if (!m_device || m_failed) {
        m_buffer.clear();
        return !m_failed;
    }
    const qint64 written = m_device->write(m_buffer);
    if (written != m_buffer.size()) {
        m_failed = true;
        m_error = m_device->errorString();
    }
    m_buffer.clear();
    return !m_failed;
}

void WorkbookWriter::maybeFlush()
{
    if (m_buffer.size() >= kFlushAt)
        flush();
}

QByteArray WorkbookWriter::bandStyleId(int colour)
{
    return QByteArrayLiteral("s_color_") + QByteArray::number(colour);
}
