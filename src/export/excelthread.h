#pragma once

#include "core/singleton.h"
#include "export/sectionqueue.h"

#include "export/workbookwriter.h"

#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QMutex>
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
    static ExcelThread *getInstance();
    ~ExcelThread() override;

    // Milliseconds of the last completed run; 0 before the first one ends.
    int useTime() const { return m_useTime.loadAcquire(); }

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

    void setFileName(const QString &fileName);
    void setSheetName(const QString &sheetName);
    void setTitle(const QString &title);
    void setSubTitle(const QString &subTitle);
    void setSubTitle1(const QStringList &subTitle1);
    void setSubTitle2(const QStringList &subTitle2);
    void setContent(const QStringList &content);
    void setSeparator(const QString &separator);
    void setSubSeparator(const QString &subSeparator);
    void setColumnNames(const QList<QString> &columnNames);
    void setColumnWidths(const QList<int> &columnWidths);
    void setRandomColor(bool randomColor);
    void setColorColumn(const QList<int> &colorColumn);
    void setBorderWidth(int borderWidth);
    void setCheckColumnIndex(int checkColumnIndex);
    void setCheckType(const QString &checkType);
    void setCheckValue(const QString &checkValue);

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

    struct Settings {
        QString fileName;
        QString sheetName;
        QString title;
        QString subTitle;
        QString separator;
        QString subSeparator;
        QList<QString> columnNames;
        QList<int> columnWidths;
        bool randomColor = false;
        QList<int> colorColumn;
        int borderWidth = 1;
        int checkColumnIndex = -1;
        QString checkType;
        QString checkValue;
    };
    Settings settings() const;

    mutable QMutex m_mutex; // guards the settings
    QAtomicInt m_useTime;
    QElapsedTimer m_timer;
    QFile m_file;
    WorkbookWriter m_writer;
    Settings m_settings;
    SectionQueue m_queue;
};
