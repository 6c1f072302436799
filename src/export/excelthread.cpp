#include "export/excelthread.h"

#include "export/exporttext.h"

#include <QDateTime>
#include <QDebug>

namespace {
QAtomicInt s_bandColour; // only the writing thread advances it
} // namespace

ExcelThread::ExcelThread(QObject *parent)
    : QThread(parent)
{
    Singleton<ExcelThread>::releaseWithApplication();
    init();
}

ExcelThread::~ExcelThread()
{
    // The worker writes through members destroyed below: let it finish.
    stop();
    wait();
}

ExcelThread *ExcelThread::getInstance()
{
    return Singleton<ExcelThread>::instance();
}

void ExcelThread::appendHead()
{
    m_writer.writeHead();
}

void ExcelThread::appendDocument()
{
    m_writer.writeDocument(QDateTime::currentDateTime());
}

void ExcelThread::appendBorder()
{
    m_writer.writeBorders(settings().borderWidth);
}

void ExcelThread::appendStyle()
{
    const Settings s = settings();
    WorkbookWriter &w = m_writer;
    w.line(" <Styles>");
    w.writeDefaultStyle();
    w.line("  <Style ss:ID=\"s_title\">");
    w.line("   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>");
    w.writeBorders(s.borderWidth);
    w.line("   <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"15\" ss:Color=\"#000000\" ss:Bold=\"1\"/>");
    w.line("  </Style>");
    w.line("  <Style ss:ID=\"s_subtitle\">");
    w.line("   <Alignment ss:Horizontal=\"Left\" ss:Vertical=\"Center\"/>");
    w.writeBorders(s.borderWidth);
    w.line("   <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"10\" ss:Color=\"#000000\" ss:Bold=\"0\"/>");
    w.line("  </Style>");
    w.line("  <Style ss:ID=\"s_normal\">");
    w.line("   <Alignment ss:Horizontal=\"Center\" ss:Vertical=\"Center\"/>");
    w.writeBorders(s.borderWidth);
    w.line(" </Style>");
    w.line("  <Style ss:ID=\"s_red\">");
    w.writeBorders(s.borderWidth);
    w.line("  <Font ss:FontName=\"微软雅黑\" x:CharSet=\"134\" ss:Size=\"10\" ss:Color=\"#FF0000\" ss:Bold=\"0\"/>");
    w.line(" </Style>");
    if (s.randomColor)
        w.writeBandStyles(s.borderWidth);
    w.line(" </Styles>");
}

void ExcelThread::appendTable()
{
    const Settings s = settings();
    const int columns = s.columnNames.size();
    m_writer.writeWorksheet(s.sheetName, columns, s.columnWidths);
    if (!s.title.isEmpty())
        m_writer.writeTitleRow(s.title, columns);
    if (!s.subTitle.isEmpty())
        m_writer.writeSubTitleRow(s.subTitle, columns);
}

void ExcelThread::appendColumn()
{
    m_writer.writeHeaderRow(settings().columnNames);
}

void ExcelThread::appendEnd()
{
    m_writer.writeEnd();
}

void ExcelThread::appendContent(const QStringList &listContent)
{
    const Settings s = settings();
    for (const QString &row : listContent) {
        const QStringList cells = ExportText::split(row, s.separator);
        m_writer.beginRow();
        if (s.randomColor) {
            const int colour = s_bandColour.loadAcquire();
            const QByteArray band = WorkbookWriter::bandStyleId(colour);
            for (int i = 0; i < cells.size(); ++i) {
                const bool banded = s.colorColumn.isEmpty() || s.colorColumn.contains(i);
                m_writer.writeCell(banded ? band.constData() : "s_normal", cells.at(i));
            }
            s_bandColour.storeRelease((colour + 1) % 10);
        } else {
            const bool hit = ExportText::isHit(cells, s.checkColumnIndex, s.checkType, s.checkValue, true);
            for (const QString &cell : cells)
                m_writer.writeCell(hit ? "s_red" : "s_normal", cell);
        }
        m_writer.endRow();
    }
}

void ExcelThread::take()
{
    const SectionQueue::Batch batch = m_queue.take();
    if (batch.content.isEmpty())
        return;
    if (!batch.sectioned()) {
        appendContent(batch.content);
        return;
    }
    const Settings s = settings();
    const int columns = s.columnNames.size();
    for (int i = 0; i < batch.content.size(); ++i) {
        m_writer.writeSpacerRow();
        if (!batch.subTitle1.value(i).isEmpty())
            m_writer.writeSubTitleRow(batch.subTitle1.at(i), columns);
        if (!batch.subTitle2.value(i).isEmpty())
            m_writer.writeSubTitleRow(batch.subTitle2.at(i), columns);
        m_writer.writeHeaderRow(s.columnNames);
        appendContent(ExportText::split(batch.content.at(i), s.subSeparator));
    }
}

void ExcelThread::init()
{
    Settings fresh;
    fresh.fileName = ExportText::fileStamp() + QStringLiteral(".xls");
    m_settings.set(fresh);
    m_queue.clear();
}

bool ExcelThread::open()
{
    const Settings s = settings();
    if (s.columnNames.isEmpty() || s.columnWidths.size() != s.columnNames.size() || s.fileName.isEmpty()) {
        qWarning() << "ExcelThread: open needs column names, one width per column and a file name";
        return false;
    }
    if (m_file.isOpen())
        m_file.close();
    m_writer.setDevice(nullptr);
    m_file.setFileName(s.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qWarning().noquote()
            << QStringLiteral("ExcelThread: cannot open \"%1\" for writing: %2").arg(s.fileName, m_file.errorString());
        return false;
    }
    m_writer.setDevice(&m_file);
    appendHead();
    appendDocument();
    appendStyle();
    appendTable();
    if (!m_queue.hasSubTitles())
        appendColumn();
    return true;
}

bool ExcelThread::close()
{
    if (!m_file.isOpen())
        return false;
    appendEnd();
    bool ok = m_writer.flush();
    QString reason = m_writer.errorString();
    if (ok && !m_file.flush()) {
        ok = false;
        reason = m_file.errorString();
    }
    m_file.close();
    if (ok && m_file.error() != QFileDevice::NoError) {
        ok = false;
        reason = m_file.errorString();
    }
    m_writer.setDevice(nullptr);
    if (!ok)
        qWarning().noquote() << QStringLiteral("ExcelThread: writing \"%1\" failed: %2").arg(m_file.fileName(), reason);
    return ok;
}

void ExcelThread::stop()
{
    m_queue.stop();
}

void ExcelThread::appendSubTitle1(const QString &str)
{
    m_queue.appendSubTitle1(str);
}

void ExcelThread::appendSubTitle2(const QString &str)
{
    m_queue.appendSubTitle2(str);
}

void ExcelThread::appendContent(const QString &str)
{
    m_queue.appendContent(str);
}

void ExcelThread::appendSection(const QString &subTitle1, const QString &subTitle2, const QString &content)
{
    m_queue.appendSection(subTitle1, subTitle2, content);
}

void ExcelThread::run()
{
    m_useTime.storeRelease(0);
    m_timer.start();
    m_queue.runUntilStopped([this]() { take(); });
    m_useTime.storeRelease(int(m_timer.elapsed()));
    m_queue.resetStop();
}
