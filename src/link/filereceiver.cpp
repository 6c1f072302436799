#include "link/filereceiver.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <atomic>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

#include "link/linkaddress.h"

namespace {
std::atomic<int> g_listenTimeoutMs{60000};
std::atomic<int> g_idleTimeoutMs{30000};
constexpr int kChunkBytes = 1 << 20;
constexpr qint64 kSocketBufferBytes = 4 << 20;
constexpr int kProgressIntervalMs = 50; // about 20 events a second
constexpr qint64 kWritebackBytes = 32 << 20;
const char kDatabaseName[] = "AppDatabase.db";
} // namespace

FileReceiver::FileReceiver(QObject *parent)
    : QObject(parent)
{
    m_listenTimer = new QTimer(this);
    m_listenTimer->setSingleShot(true);
    connect(m_listenTimer, &QTimer::timeout, this,
            [this]() { abort(QStringLiteral("no connection within %1 ms").arg(m_listenTimer->interval())); });
    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this,
            [this]() { abort(QStringLiteral("transfer idle for %1 ms").arg(m_idleTimer->interval())); });
}

FileReceiver::~FileReceiver()
{
    closeAll();
}

QString FileReceiver::appDir()
{
    return QStringLiteral("./app");
}

QString FileReceiver::nextReceivedDatabasePath()
{
    static std::atomic<quint32> sequence{0};
    for (;;) {
        const QString path = QStringLiteral("%1/.AppDatabase.db.received-%2").arg(appDir()).arg(++sequence);
        if (!QFileInfo::exists(path))
            return path;
    }
}

int FileReceiver::removeStaleReceivedFiles()
{
    int removed = 0;
    const QDir folder(appDir());
    // Exactly the names nextReceivedDatabasePath() makes, and those of the
    // temporary files of their commits ("...received-<n>.XXXXXX", QSaveFile's
    // six random letters or digits), with case: nothing else in the folder.
    static const QRegularExpression ours(
        QStringLiteral("^\\.AppDatabase\\.db\\.received-[1-9][0-9]{0,9}(\\.[A-Za-z0-9]{6})?$"));
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!ours.match(name).hasMatch())
            continue;
        if (QFile::remove(folder.filePath(name)))
            ++removed;
        else
            qDebug().noquote() << Q_FUNC_INFO << "cannot remove" << name;
    }
    return removed;
}

void FileReceiver::setListenTimeoutMs(int ms)
{
    g_listenTimeoutMs = ms;
}

void FileReceiver::setIdleTimeoutMs(int ms)
{
    g_idleTimeoutMs = ms;
}

bool FileReceiver::isActive() const
{
    return m_server || m_socket;
}

bool FileReceiver::start(const QHostAddress &local, quint16 port, const QHostAddress &peer)
{
    if (isActive()) {
        qDebug().noquote() << Q_FUNC_INFO << "a transfer is already running; request ignored";
        return false;
    }
    if (!LinkAddress::allowed(local, "listen on") || !LinkAddress::allowed(peer, "accept from"))
        return false;
    m_server = new QTcpServer(this);
    m_server->setMaxPendingConnections(1);
    connect(m_server, &QTcpServer::newConnection, this, &FileReceiver::onNewConnection);
    if (!m_server->listen(local, port)) {
        qDebug().noquote() << Q_FUNC_INFO << "listen failed" << local.toString() << port << m_server->errorString();
        closeAll();
        return false;
    }
    m_peer = peer;
    m_headerBytes.clear();
    m_headerDone = false;
    m_received = 0;
    m_listenTimer->start(g_listenTimeoutMs.load());
    qDebug().noquote() << Q_FUNC_INFO << "listening on" << local.toString() << port << "for" << peer.toString();
    return true;
}

void FileReceiver::onNewConnection()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        const QHostAddress from(socket->peerAddress().toIPv4Address());
        if (m_socket || from != m_peer || !LinkAddress::allowed(from, "accept from")) {
            qDebug().noquote() << Q_FUNC_INFO << "connection refused from" << socket->peerAddress().toString();
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_socket = socket;
        // Bounded socket buffer: a slow disk slows the sender, memory stays flat.
        m_socket->setReadBufferSize(kSocketBufferBytes);
        connect(m_socket, &QTcpSocket::readyRead, this, &FileReceiver::onReadyRead);
        connect(m_socket, &QTcpSocket::disconnected, this, &FileReceiver::onDisconnected);
        m_listenTimer->stop();
        m_server->close(); // one connection per fetch
        m_idleTimer->start(g_idleTimeoutMs.load());
        qDebug().noquote() << Q_FUNC_INFO << "accepted" << from.toString();
        onReadyRead();
    }
}

void FileReceiver::onReadyRead()
{
    if (!m_socket)
        return;
    m_idleTimer->start(g_idleTimeoutMs.load());
    if (!m_headerDone && !readHeader())
        return;
    if (m_headerDone && m_file)
        readBody();
}

bool FileReceiver::readHeader()
{
    for (;;) {
        const qint64 wanted = UploadHeader::bytesWanted(m_headerBytes);
        if (wanted > 0) {
            const QByteArray part = m_socket->read(wanted);
            if (part.isEmpty())
                return false;
            m_headerBytes.append(part);
        }
        QString why;
        const UploadHeader::Status status = UploadHeader::parse(m_headerBytes, &m_header, &why);
        if (status == UploadHeader::Invalid) {
            abort(QStringLiteral("bad header: %1").arg(why));
            return false;
        }
        if (status == UploadHeader::Complete)
            break;
    }
    if (!UploadHeader::isSafeFileName(m_header.name, nullptr)) {
        QString why;
        UploadHeader::isSafeFileName(m_header.name, &why);
        abort(QStringLiteral("file name refused (%1): %2").arg(why, m_header.name));
        return false;
    }
    m_headerDone = true;
    m_received = m_header.headerSize();
    return openTarget();
}

bool FileReceiver::openTarget()
{
    const qint64 available = QStorageInfo(appDir()).bytesAvailable();
    if (available >= 0 && m_header.fileSize() > available) {
        abort(QStringLiteral("%1 bytes do not fit in %2 free bytes").arg(m_header.fileSize()).arg(available));
        return false;
    }
    QDir().mkpath(appDir());
    m_isDatabase = m_header.name.compare(QLatin1String(kDatabaseName), Qt::CaseInsensitive) == 0;
    const QString target =
        m_isDatabase ? nextReceivedDatabasePath() : QStringLiteral("%1/%2").arg(appDir(), m_header.name);
    m_file = std::make_unique<QSaveFile>(target);
    if (!m_file->open(QIODevice::WriteOnly)) {
        const QString error = m_file->errorString();
        abort(QStringLiteral("cannot write %1: %2").arg(target, error));
        return false;
    }
    m_chunk.resize(kChunkBytes);
    m_writebackFrom = 0;
    m_sinceProgress.start();
    emit progress(m_received, m_header.total);
    qDebug().noquote() << Q_FUNC_INFO << "receiving" << m_header.name << m_header.fileSize() << "bytes";
    return true;
}

bool FileReceiver::readBody()
{
    while (m_socket && m_file && m_received < m_header.total) {
        const qint64 want = qMin<qint64>(m_chunk.size(), m_header.total - m_received);
        const qint64 got = m_socket->read(m_chunk.data(), want);
        if (got < 0) {
            abort(QStringLiteral("read failed: %1").arg(m_socket->errorString()));
            return false;
        }
        if (got == 0)
            break;
        if (m_file->write(m_chunk.constData(), got) != got) {
            abort(QStringLiteral("write failed: %1").arg(m_file->errorString()));
            return false;
        }
        m_received += got;
        startWriteback();
        if (m_received < m_header.total && m_sinceProgress.elapsed() >= kProgressIntervalMs) {
            m_sinceProgress.restart();
            emit progress(m_received, m_header.total);
        }
    }
    if (m_file && m_received == m_header.total)
        finishTransfer();
    return true;
}

void FileReceiver::startWriteback()
{
    // The commit syncs the file to disk before renaming it over the target.
    // Starting the write-back as the data arrive overlaps that disk work with
    // the transfer instead of doing all of it at the end.
#ifdef Q_OS_LINUX
    const qint64 written = m_received - m_header.headerSize();
    if (written - m_writebackFrom < kWritebackBytes)
        return;
    if (!m_file->flush())
        return;
    ::sync_file_range(m_file->handle(), m_writebackFrom, written - m_writebackFrom, SYNC_FILE_RANGE_WRITE);
    m_writebackFrom = written;
#endif
}

void FileReceiver::finishTransfer()
{
    const QString target = m_file->fileName();
    const qint64 total = m_header.total;
    const bool isDatabase = m_isDatabase;
    QElapsedTimer commitClock;
    commitClock.start();
    if (!m_file->commit()) {
        const QString error = m_file->errorString();
        m_file.reset();
        abort(QStringLiteral("commit of %1 failed: %2").arg(target, error));
        return;
    }
    m_file.reset();
    closeAll();
    qDebug().noquote() << Q_FUNC_INFO << "committed" << target << total << "bytes; commit took" << commitClock.elapsed()
                       << "ms";
    if (isDatabase) {
        emit databaseReceived(target, total);
    } else {
        emit fileCommitted(target, total);
        emit progress(total, total);
    }
}

void FileReceiver::onDisconnected()
{
    if (!m_socket)
        return;
    if (m_socket->bytesAvailable() > 0)
        onReadyRead(); // the last bytes may arrive together with the close
    if (m_socket)
        abort(QStringLiteral("connection closed after %1 of %2 bytes").arg(m_received).arg(m_header.total));
}

void FileReceiver::abort(const QString &reason)
{
    if (!isActive() && !m_file)
        return;
    qDebug().noquote() << Q_FUNC_INFO << "transfer ended:" << reason;
    closeAll();
    emit failed(reason);
}

void FileReceiver::closeAll()
{
    m_listenTimer->stop();
    m_idleTimer->stop();
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset(); // an uncommitted QSaveFile removes its temporary file
    }
    if (m_socket) {
        QTcpSocket *socket = m_socket;
        m_socket = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    m_headerBytes.clear();
    m_headerDone = false;
    m_chunk = QByteArray();
}
