#pragma once

#include "core/singleton.h"
#include "export/sectionqueue.h"
#include "export/tablesettings.h"

#include "export/workbookwriter.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>

// Writes the workbook of ExcelAPI incrementally: set the table up, open()
// writes the start, rows and sections queued from any thread are written by
// the worker every 10 ms, and close() after stop() and wait() ends the file.
// Settings and the direct writers belong to the caller while the thread is
// not running; the queues may be fed from any thread at any time.
class ExcelThread : public QThread
{
    Q_OBJECT
public:
    struct Settings : TableSettings {
        QString sheetName = QStringLiteral("Sheet1");
        bool randomColor = false; // rows in the ten band colours, no check
        QList<int> colorColumn;   // the banded cells; empty: all
    };

    static ExcelThread *getInstance();
    ~ExcelThread() override;

    // Milliseconds of the last completed run; 0 before the first one ends.
    int useTime() const { return m_useTime.loadAcquire(); }

    // The table's settings under one lock, set whole or (the setters among
    // the slots) a field at a time; init() restores the defaults.
    void setSettings(const Settings &settings) { m_settings.set(settings); }
    Settings settings() const { return m_settings.get(); }

public slots:
    void appendHead();
    void appendDocument();
    void appendBorder();
    void appendStyle();
    void appendTable();
    void appendColumn();
    void appendEnd();
    void appendContent(const QStringList &listContent);
    void take();

    void setFileName(const QString &fileName) { m_settings.setField(&Settings::fileName, fileName); }
    void setSheetName(const QString &sheetName) { m_settings.setField(&Settings::sheetName, sheetName); }
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
    void setRandomColor(bool randomColor) { m_settings.setField(&Settings::randomColor, randomColor); }
    void setColorColumn(const QList<int> &colorColumn) { m_settings.setField(&Settings::colorColumn, colorColumn); }
    void setBorderWidth(int borderWidth) { m_settings.setField(&Settings::borderWidth, borderWidth); }
    void setCheckColumnIndex(int checkColumnIndex)
    {
        m_settings.setField(&Settings::checkColumnIndex, checkColumnIndex);
    }
    void setCheckType(const QString &checkType) { m_settings.setField(&Settings::checkType, checkType); }
    void setCheckValue(const QString &checkValue) { m_settings.setField(&Settings::checkValue, checkValue); }

    void init();
    // Whether the file was opened and its start written.
    bool open();
    // Ends and closes an open file; whether everything reached it.
    bool close();
    void stop();

    void appendSubTitle1(const QString &str);
    void appendSubTitle2(const QString &str);
    void appendContent(const QString &str);
    // One section with its two subtitles, queued together so that a take
    // can never fall between them.
    void appendSection(const QString &subTitle1, const QString &subTitle2, const QString &content);

protected:
    void run() override;

private:
    friend class Singleton<ExcelThread>;
    explicit ExcelThread(QObject *parent = nullptr);

    QAtomicInt m_useTime;
    QElapsedTimer m_timer;
    QFile m_file;
    WorkbookWriter m_writer;
    LockedSettings<Settings> m_settings;
    SectionQueue m_queue;
};
