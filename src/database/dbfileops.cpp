#include "database/dbfileops.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace DbFileOps {
namespace {

bool syncHandle(QFile &file)
{
    if (!file.flush())
        return false;
    return ::fsync(file.handle()) == 0;
}

// Streams src into an already open file; checks every read and write.
bool streamInto(const QString &src, QFile &out)
{
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "ERR: cannot read" << src << in.errorString();
        return false;
    }
    const qint64 expected = in.size();
    qint64 total = 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) {
            qDebug() << "ERR: read failed" << src << in.errorString();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n) {
            qDebug() << "ERR: write failed" << out.fileName() << out.errorString();
            return false;
        }
        total += n;
    }
    if (total != expected) {
        qDebug() << "ERR: short copy of" << src << total << "of" << expected;
        return false;
    }
    if (!syncHandle(out)) {
        qDebug() << "ERR: sync failed" << out.fileName();
        return false;
    }
    return true;
}

} // namespace

// QTemporaryFile replaces the X's with as many random letters or digits.
const QString kTempTemplate = QStringLiteral("XXXXXX.tmp");

QString journalOf(const QString &dbPath)
{
    return dbPath + QStringLiteral("-journal");
}

QString copyToTemp(const QString &src, const QString &folder, const QString &prefix)
{
    QTemporaryFile out(QDir(folder).filePath(prefix + kTempTemplate));
    out.setAutoRemove(false);
    if (!out.open()) {
        qDebug() << "ERR: cannot create a temporary file in" << folder << out.errorString();
        return QString();
    }
    const QString path = out.fileName();
    const bool ok = streamInto(src, out);
    out.close();
    if (!ok) {
        QFile::remove(path);
        return QString();
    }
    return path;
}

QString moveToTemp(const QString &src, const QString &folder, const QString &prefix)
{
    QString path;
    {
        // Reserves the name; the rename then replaces the empty file.
        QTemporaryFile reserved(QDir(folder).filePath(prefix + kTempTemplate));
        reserved.setAutoRemove(false);
        if (!reserved.open()) {
            qDebug() << "ERR: cannot create a temporary file in" << folder << reserved.errorString();
            return QString();
        }
        path = reserved.fileName();
    }
    if (::rename(QFile::encodeName(src).constData(), QFile::encodeName(path).constData()) == 0)
        return path;
    const int error = errno;
    QFile::remove(path);
    if (error != EXDEV) {
        qDebug() << "ERR: rename" << src << "->" << path << "failed:" << std::strerror(error);
        return QString();
    }
    path = copyToTemp(src, folder, prefix);
    if (!path.isEmpty())
        QFile::remove(src);
    return path;
}

bool isTempName(const QString &name, const QString &prefix)
{
    static const QRegularExpression random(QStringLiteral("^[A-Za-z0-9]{6}\\.tmp$"));
    return name.startsWith(prefix, Qt::CaseSensitive) && random.match(name.mid(prefix.size())).hasMatch();
}

QString durableCopyPrefix(const QString &dst)
{
    return QFileInfo(dst).fileName() + QLatin1Char('.');
}

bool durableCopy(const QString &src, const QString &dst)
{
    const QString temp = copyToTemp(src, QFileInfo(dst).absolutePath(), durableCopyPrefix(dst));
    if (temp.isEmpty())
        return false;
    if (!replaceKeepingMode(temp, dst)) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

QString generationPath(const QString &base, int generation)
{
    if (generation <= 0)
        return base;
    const QFileInfo info(base);
    return QDir(info.path())
        .filePath(QStringLiteral("%1.%2.%3").arg(info.completeBaseName(), QString::number(generation), info.suffix()));
}

bool renameOver(const QString &src, const QString &dst)
{
    if (::rename(QFile::encodeName(src).constData(), QFile::encodeName(dst).constData()) != 0) {
        qDebug() << "ERR: rename" << src << "->" << dst << "failed:" << std::strerror(errno);
        return false;
    }
    return true;
}

bool replaceKeepingMode(const QString &src, const QString &dst)
{
    // Temporary files are made private (0600); the replaced file's readers
    // must keep their access.
    const QFileDevice::Permissions mode = QFileInfo::exists(dst) ? QFile::permissions(dst)
                                                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                       QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                                       QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!QFile::setPermissions(src, mode))
        qDebug() << "ERR: cannot set the mode of" << src;
    return renameOver(src, dst);
}

namespace {

bool existsAny(const QString &path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// Moves a generation and its journal one step older.
bool moveGeneration(const QString &from, const QString &to)
{
    if (existsAny(journalOf(from)) && !renameOver(journalOf(from), journalOf(to)))
        return false;
    return renameOver(from, to);
}

} // namespace

bool rotate(const QString &base)
{
    if (!existsAny(base))
        return true;
    int freeSlot = 1;
    while (freeSlot < kGenerations && existsAny(generationPath(base, freeSlot)))
        ++freeSlot;
    const QString oldest = generationPath(base, freeSlot);
    if (existsAny(oldest)) {
        // Only the generation beyond the kept count is given up.
        QFile::remove(journalOf(oldest));
        if (!QFile::remove(oldest)) {
            qDebug() << "ERR: cannot drop the oldest backup" << oldest;
            return false;
        }
    }
    for (int g = freeSlot; g >= 1; --g) {
        if (!moveGeneration(generationPath(base, g - 1), generationPath(base, g)))
            return false;
    }
    return true;
}

bool linkOrCopy(const QString &src, const QString &dst)
{
    if (::link(QFile::encodeName(src).constData(), QFile::encodeName(dst).constData()) == 0)
        return true;
    return durableCopy(src, dst);
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 20) != fb.read(1 << 20))
            return false;
    }
    return true;
}

} // namespace DbFileOps
