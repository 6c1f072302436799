#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

#include "link/uploadheader.h"

class QSaveFile;
class QTcpServer;
class QTcpSocket;
class QTimer;

// Receives the one file the instrument uploads over TCP. Lives in the network
// worker's thread. One connection at a time, and only from the expected peer.
//
// The bytes are streamed into a temporary file beside the target in ./app and
// renamed over the target only once all of them arrived, so an interrupted
// upload leaves the old file and no temporary file behind. An upload of the
// database file is not renamed over the open database: it is committed to a
// file of its own (nextReceivedDatabasePath()) and handed over with
// databaseReceived(), so a second upload that lands before the first one is
// installed never overwrites it.
class FileReceiver : public QObject
{
    Q_OBJECT
public:
    explicit FileReceiver(QObject *parent = nullptr);
    ~FileReceiver() override;

    static QString appDir();
    // "./app/.AppDatabase.db.received-<n>": a name no file has yet.
    static QString nextReceivedDatabasePath();
    // Removes received database files that a crash left before they were
    // installed; returns how many. Only while nothing receives: at start-up.
    static int removeStaleReceivedFiles();

    bool start(const QHostAddress &local, quint16 port, const QHostAddress &peer);
    bool isActive() const;
    // Ends listening and any transfer, removing its temporary file.
    void abort(const QString &reason);

    static void setListenTimeoutMs(int ms);
    static void setIdleTimeoutMs(int ms);

signals:
    // received and total count the whole transfer, header included.
    void progress(qint64 received, qint64 total);
    void fileCommitted(QString path, qint64 total);
    void databaseReceived(QString tempPath, qint64 total);
    // A started transfer ended without a committed file.
    void failed(QString reason);

private:
    void onNewConnection();
    void onReadyRead();
    void onDisconnected();
    bool readHeader();
    bool openTarget();
    bool readBody();
    void startWriteback();
    void finishTransfer();
    void closeAll();

    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_socket;
    QTimer *m_listenTimer = nullptr;
    QTimer *m_idleTimer = nullptr;
    QHostAddress m_peer;
    QByteArray m_headerBytes;
    bool m_headerDone = false;
    bool m_isDatabase = false;
    UploadHeader m_header;
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_chunk;
    qint64 m_received = 0;
    qint64 m_writebackFrom = 0;
    QElapsedTimer m_sinceProgress;
};
