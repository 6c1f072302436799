#include "shell/filedialogs.h"

#include <QMutex>
#include <QQueue>

namespace {
QMutex g_mutex;
QQueue<QString> g_next;
FileDialogs::Request g_last;

// Records the request; true with the answer when the seam has one queued.
bool takeSeam(const FileDialogs::Request &request, QString *answer)
{
    QMutexLocker lock(&g_mutex);
    g_last = request;
    if (g_next.isEmpty())
        return false;
    *answer = g_next.dequeue();
    return true;
}
} // namespace

QString FileDialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                     QString *selectedFilter, QFileDialog::Options options)
{
    QString answer;
    if (takeSeam({QStringLiteral("open"), caption, dir, filter, options}, &answer))
        return answer;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter, options);
}

QString FileDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                                     QString *selectedFilter, QFileDialog::Options options)
{
    QString answer;
    if (takeSeam({QStringLiteral("save"), caption, dir, filter, options}, &answer))
        return answer;
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter, options);
}

QString FileDialogs::getExistingDirectory(QWidget *parent, const QString &caption, const QString &dir,
                                          QFileDialog::Options options)
{
    QString answer;
    if (takeSeam({QStringLiteral("directory"), caption, dir, QString(), options}, &answer))
        return answer;
    return QFileDialog::getExistingDirectory(parent, caption, dir, options);
}

void FileDialogs::pushNextFileName(const QString &fileName)
{
    QMutexLocker lock(&g_mutex);
    g_next.enqueue(fileName);
}

void FileDialogs::clearPending()
{
    QMutexLocker lock(&g_mutex);
    g_next.clear();
}

FileDialogs::Request FileDialogs::lastRequest()
{
    QMutexLocker lock(&g_mutex);
    return g_last;
}
