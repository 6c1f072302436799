#pragma once

#include <QFileDialog>
#include <QString>

// The one road to the file and folder pickers, so tests can answer them.
// pushNextFileName() queues an answer: the next picker call of any kind
// returns it at once (an empty text stands for a cancelled picker).
class FileDialogs
{
public:
    static QString getOpenFileName(QWidget *parent = nullptr, const QString &caption = QString(),
                                   const QString &dir = QString(), const QString &filter = QString(),
                                   QString *selectedFilter = nullptr, QFileDialog::Options options = {});
    static QString getSaveFileName(QWidget *parent = nullptr, const QString &caption = QString(),
                                   const QString &dir = QString(), const QString &filter = QString(),
                                   QString *selectedFilter = nullptr, QFileDialog::Options options = {});
    static QString getExistingDirectory(QWidget *parent = nullptr, const QString &caption = QString(),
                                        const QString &dir = QString(),
                                        QFileDialog::Options options = QFileDialog::ShowDirsOnly);

    // Test seam.
    static void pushNextFileName(const QString &fileName);
    static void clearPending();
    // What the last picker call was asked for (seam or real).
    struct Request {
        QString kind; // "open", "save" or "directory"
        QString caption;
        QString dir;
        QString filter;
        QFileDialog::Options options;
    };
    static Request lastRequest();
};
