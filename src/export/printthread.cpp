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

PrintThread::Settings PrintThread::settings() const
{
    QMutexLocker lock(&m_mutex);
    return m_settings;
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
    QMutexLocker lock(&m_mutex);
    const int columns = m_settings.columnNames.size();
    if (!m_settings.title.isEmpty())
        HtmlTable::appendTitle(m_markup, m_settings.title, columns);
    if (!m_settings.subTitle.isEmpty())
        HtmlTable::appendSubTitle(m_markup, m_settings.subTitle, columns);
}

void PrintThread::appendColumn()
{
    QMutexLocker lock(&m_mutex);
    HtmlTable::appendHeader(m_markup, m_settings.columnNames, m_settings.columnWidths);
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

void PrintThread::setFileName(const QString &fileName)
{
    QMutexLocker lock(&m_mutex);
    m_settings.fileName = fileName;
}

void PrintThread::setTitle(const QString &title)
{
    QMutexLocker lock(&m_mutex);
    m_settings.title = title;
}

void PrintThread::setSubTitle(const QString &subTitle)
{
    QMutexLocker lock(&m_mutex);
    m_settings.subTitle = subTitle;
}

void PrintThread::setSubTitle1(const QStringList &subTitle1)
{
    m_queue.setSubTitle1(subTitle1);
}

void PrintThread::setSubTitle2(const QStringList &subTitle2)
{
    m_queue.setSubTitle2(subTitle2);
}

void PrintThread::setContent(const QStringList &content)
{
    m_queue.setContent(content);
}

void PrintThread::setSeparator(const QString &separator)
{
    QMutexLocker lock(&m_mutex);
    m_settings.separator = separator;
}

void PrintThread::setSubSeparator(const QString &subSeparator)
{
    QMutexLocker lock(&m_mutex);
    m_settings.subSeparator = subSeparator;
}

void PrintThread::setColumnNames(const QList<QString> &columnNames)
{
    QMutexLocker lock(&m_mutex);
    m_settings.columnNames = columnNames;
}

void PrintThread::setColumnWidths(const QList<int> &columnWidths)
{
    QMutexLocker lock(&m_mutex);
    m_settings.columnWidths = columnWidths;
}

void PrintThread::setBorderWidth(int borderWidth)
{
    QMutexLocker lock(&m_mutex);
    m_settings.borderWidth = borderWidth;
}

void PrintThread::setCheckColumnIndex(int checkColumnIndex)
{
    QMutexLocker lock(&m_mutex);
    m_settings.checkColumnIndex = checkColumnIndex;
}

void PrintThread::setCheckType(const QString &checkType)
{
    QMutexLocker lock(&m_mutex);
    m_settings.checkType = checkType;
}

void PrintThread::setCheckValue(const QString &checkValue)
{
    QMutexLocker lock(&m_mutex);
    m_settings.checkValue = checkValue;
}

void PrintThread::setOrientation(QPrinter::Orientation orientation)
{
    QMutexLocker lock(&m_mutex);
    m_settings.orientation = orientation;
}

void PrintThread::setPageSize(QPrinter::PageSize pageSize)
{
    QMutexLocker lock(&m_mutex);
    m_settings.pageSize = pageSize;
}

void PrintThread::init()
{
    QMutexLocker lock(&m_mutex);
    m_settings = Settings();
    m_settings.fileName = ExportText::fileStamp() + QStringLiteral(".pdf");
    m_settings.separator = QStringLiteral(";");
    m_settings.subSeparator = QStringLiteral("|");
    m_settings.checkType = QStringLiteral("==");
    m_settings.checkValue = QStringLiteral("0");
    m_markup.clear();
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
