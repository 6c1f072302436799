#include "export/printthread.h"

#include "export/exporttext.h"
#include "export/htmltable.h"
#include "export/printpreview.h"

#include <QDebug>
#include <QMutexLocker>

PrintThread::PrintThread(QObject *parent)
    : QThread(parent)
    , m_printer(QPrinter::ScreenResolution)
{
    Singleton<PrintThread>::releaseWithApplication();
    init();
}

PrintThread::~PrintThread()
{
    // The worker renders on the member printer: let it finish first.
    stop();
    wait();
}

PrintThread *PrintThread::getInstance()
{
    return Singleton<PrintThread>::instance();
}

QStringList PrintThread::markup() const
{
    QMutexLocker lock(&m_mutex);
    return m_markup;
}

void PrintThread::appendHead()
{
    QMutexLocker lock(&m_mutex);
    m_markup.clear();
    m_markup << HtmlTable::tableStart();
}

void PrintThread::appendTitle()
{
    const Settings s = settings();
    const int columns = s.columnNames.size();
    QMutexLocker lock(&m_mutex);
    if (!s.title.isEmpty())
        HtmlTable::appendTitle(m_markup, s.title, columns);
    if (!s.subTitle.isEmpty())
        HtmlTable::appendSubTitle(m_markup, s.subTitle, columns);
}

void PrintThread::appendColumn()
{
    const Settings s = settings();
    QMutexLocker lock(&m_mutex);
    HtmlTable::appendHeader(m_markup, s.columnNames, s.columnWidths);
}

void PrintThread::appendEnd()
{
    QMutexLocker lock(&m_mutex);
    m_markup << HtmlTable::tableEnd();
}

void PrintThread::appendContent(const QStringList &listContent)
{
    const Settings s = settings();
    const HtmlTable::Check check{s.checkColumnIndex, s.checkType, s.checkValue};
    QStringList pieces;
    for (const QString &row : listContent)
        HtmlTable::appendRow(pieces, ExportText::split(row, s.separator), s.columnWidths, check);
    QMutexLocker lock(&m_mutex);
    m_markup += pieces;
}

void PrintThread::take()
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
        QStringList pieces;
        HtmlTable::appendSpacer(pieces, columns);
        if (!batch.subTitle1.value(i).isEmpty())
            HtmlTable::appendSubTitle(pieces, batch.subTitle1.at(i), columns);
        if (!batch.subTitle2.value(i).isEmpty())
            HtmlTable::appendSubTitle(pieces, batch.subTitle2.at(i), columns);
        {
            QMutexLocker lock(&m_mutex);
            m_markup += pieces;
        }
        appendColumn();
        appendContent(ExportText::split(batch.content.at(i), s.subSeparator));
    }
}

void PrintThread::printView(QPrinter *printer)
{
    // The markup is left as it is: a preview asks again for every page
    // setup change and for the print itself.
    const QString html = markup().join(QString()) + HtmlTable::tableEnd();
    HtmlTable::render(html, printer);
}

void PrintThread::init()
{
    Settings fresh;
    fresh.fileName = ExportText::fileStamp() + QStringLiteral(".pdf");
    m_settings.set(fresh);
    {
        QMutexLocker lock(&m_mutex);
        m_markup.clear();
    }
    m_queue.clear();
}

// The table head of a PDF run or a preview; false when the columns or the
// file name are missing.
bool PrintThread::startTable()
{
    const Settings s = settings();
    if (s.columnNames.isEmpty() || s.columnWidths.size() != s.columnNames.size() || s.fileName.isEmpty()) {
        qWarning() << "PrintThread: needs column names, one width per column and a file name";
        return false;
    }
    appendHead();
    appendTitle();
    if (!m_queue.hasSubTitles())
        appendColumn();
    return true;
}

bool PrintThread::open()
{
    if (!startTable())
        return false;
    const Settings s = settings();
    HtmlTable::setUpPrinter(&m_printer, s.pageSize, s.orientation == QPrinter::Landscape,
                            HtmlTable::scaledMargins(HtmlTable::screenDpi(), 12));
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(s.fileName);
    return true;
}

void PrintThread::stop()
{
    m_queue.stop();
}

void PrintThread::print()
{
    if (!startTable())
        return;
    take();
    const Settings s = settings();
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    HtmlTable::setUpPrinter(&m_printer, s.pageSize, s.orientation == QPrinter::Landscape,
                            HtmlTable::scaledMargins(HtmlTable::screenDpi(), 11));
    PrintPreview::run(&m_printer, [this](QPrinter *target) { printView(target); });
}

void PrintThread::appendSubTitle1(const QString &str)
{
    m_queue.appendSubTitle1(str);
}

void PrintThread::appendSubTitle2(const QString &str)
{
    m_queue.appendSubTitle2(str);
}

void PrintThread::appendContent(const QString &str)
{
    m_queue.appendContent(str);
}

void PrintThread::appendSection(const QString &subTitle1, const QString &subTitle2, const QString &content)
{
    m_queue.appendSection(subTitle1, subTitle2, content);
}

void PrintThread::run()
{
    m_useTime.storeRelease(0);
    m_timer.start();
    m_queue.runUntilStopped([this]() { take(); });
    printView(&m_printer);
    {
        QMutexLocker lock(&m_mutex);
        m_markup.clear();
    }
    m_useTime.storeRelease(int(m_timer.elapsed()));
    m_queue.resetStop();
}
