#pragma once

#include "core/singleton.h"
#include "export/sectionqueue.h"

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
    static PrintThread *getInstance();
    ~PrintThread() override;

    // Milliseconds of the last completed run; 0 before the first one ends.
    int useTime() const { return m_useTime.loadAcquire(); }
    QStringList markup() const;

public slots:
    void appendHead();
    void appendTitle();
    void appendColumn();
    void appendEnd();
    void appendContent(const QStringList &listContent);
    void take();
    // Renders the table built so far, closed, on printer; the markup stays.
    void printView(QPrinter *printer);

    void setFileName(const QString &fileName);
    void setTitle(const QString &title);
    void setSubTitle(const QString &subTitle);
    void setSubTitle1(const QStringList &subTitle1);
    void setSubTitle2(const QStringList &subTitle2);
    void setContent(const QStringList &content);
    void setSeparator(const QString &separator);
    void setSubSeparator(const QString &subSeparator);
    void setColumnNames(const QList<QString> &columnNames);
    void setColumnWidths(const QList<int> &columnWidths);
    void setBorderWidth(int borderWidth);
    void setCheckColumnIndex(int checkColumnIndex);
    void setCheckType(const QString &checkType);
    void setCheckValue(const QString &checkValue);
    void setOrientation(QPrinter::Orientation orientation);
    void setPageSize(QPrinter::PageSize pageSize);

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

    struct Settings {
        QString fileName;
        QString title;
        QString subTitle;
        QString separator;
        QString subSeparator;
        QList<QString> columnNames;
        QList<int> columnWidths;
        int borderWidth = 1;
        int checkColumnIndex = -1;
        QString checkType;
        QString checkValue;
        QPrinter::Orientation orientation = QPrinter::Portrait;
        QPrinter::PageSize pageSize = QPrinter::A4;
    };
    Settings settings() const;
    bool startTable();

    mutable QMutex m_mutex; // guards the settings and the markup
    QAtomicInt m_useTime;
    QElapsedTimer m_timer;
    QPrinter m_printer;
    QStringList m_markup;
    Settings m_settings;
    SectionQueue m_queue;
};
