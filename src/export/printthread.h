#pragma once

#include "core/singleton.h"
#include "export/sectionqueue.h"
#include "export/tablesettings.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QThread>

// Builds the HTML table of PdfAPI incrementally: rows and sections queued
// from any thread are added by the worker every 10 ms and the table is
// rendered into a PDF file when the run ends (open, start, queue, stop,
// wait), or all at once into a print preview (queue, print). Settings, open
// and print belong to the caller while the thread is not running.
class PrintThread : public QThread
{
    Q_OBJECT
public:
    struct Settings : TableSettings {
        QPrinter::Orientation orientation = QPrinter::Portrait;
        QPrinter::PageSize pageSize = QPrinter::A4;
    };

    static PrintThread *getInstance();
    ~PrintThread() override;

    // Milliseconds of the last completed run; 0 before the first one ends.
    int useTime() const { return m_useTime.loadAcquire(); }
    QStringList markup() const;

    // The table's settings under one lock, set whole or (the setters among
    // the slots) a field at a time; init() restores the defaults.
    void setSettings(const Settings &settings) { m_settings.set(settings); }
    Settings settings() const { return m_settings.get(); }

public slots:
    void appendHead();
    void appendTitle();
    void appendColumn();
    void appendEnd();
    void appendContent(const QStringList &listContent);
    void take();
    // Renders the table built so far, closed, on printer; the markup stays.
    void printView(QPrinter *printer);

    void setFileName(const QString &fileName) { m_settings.setField(&Settings::fileName, fileName); }
    void setTitle(const QString &title) { m_settings.setField(&Settings::title, title); }
    void setSubTitle(const QString &subTitle) { m_settings.setField(&Settings::subTitle, subTitle); }
    // The three list setters replace what is queued, under the queue's lock
    // like the append slots, so they are safe while the worker takes.
    void setSubTitle1(const QStringList &subTitle1) { m_queue.setSubTitle1(subTitle1); }
    void setSubTitle2(const QStringList &subTitle2) { m_queue.setSubTitle2(subTitle2); }
    void setContent(const QStringList &content) { m_queue.setContent(content); }
    void setSeparator(const QString &separator) { m_settings.setField(&Settings::separator, separator); }
    void setSubSeparator(const QString &subSeparator) { m_settings.setField(&Settings::subSeparator, subSeparator); }
    void setColumnNames(const QList<QString> &columnNames) { m_settings.setField(&Settings::columnNames, columnNames); }
    void setColumnWidths(const QList<int> &columnWidths) { m_settings.setField(&Settings::columnWidths, columnWidths); }
    // Kept with the settings; the table start is fixed, so it draws nothing.
    void setBorderWidth(int borderWidth) { m_settings.setField(&Settings::borderWidth, borderWidth); }
    void setCheckColumnIndex(int checkColumnIndex)
    {
        m_settings.setField(&Settings::checkColumnIndex, checkColumnIndex);
    }
    void setCheckType(const QString &checkType) { m_settings.setField(&Settings::checkType, checkType); }
    void setCheckValue(const QString &checkValue) { m_settings.setField(&Settings::checkValue, checkValue); }
    void setOrientation(QPrinter::Orientation orientation) { m_settings.setField(&Settings::orientation, orientation); }
    void setPageSize(QPrinter::PageSize pageSize) { m_settings.setField(&Settings::pageSize, pageSize); }

    void init();
    // Whether the PDF run was prepared.
    bool open();
    void stop();
    void print();

    void appendSubTitle1(const QString &str);
    void appendSubTitle2(const QString &str);
    void appendContent(const QString &str);
    // One section with its two subtitles, queued under one lock.
    void appendSection(const QString &subTitle1, const QString &subTitle2, const QString &content);

protected:
    void run() override;

private:
    friend class Singleton<PrintThread>;
    explicit PrintThread(QObject *parent = nullptr);

    bool startTable();

    mutable QMutex m_mutex; // guards the markup
    QAtomicInt m_useTime;
    QElapsedTimer m_timer;
    QPrinter m_printer;
    QStringList m_markup;
    LockedSettings<Settings> m_settings;
    SectionQueue m_queue;
};
